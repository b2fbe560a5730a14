#include "ChartEngine/types/ShapePainting.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include <QPainter>
#include <QPen>

namespace Charts::ShapePainting {

namespace {

void useFill(QPainter& painter, const QColor& color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
}

void useStroke(QPainter& painter, const QColor& color, double width)
{
    painter.setPen(QPen(QBrush(color), strokeWidth(width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
}

}

void fillRect(QPainter& painter, const QRectF& rect, const QColor& color)
{
    useFill(painter, color);
    painter.drawRect(rect);
}

void fillEllipse(QPainter& painter, const QRectF& rect, const QColor& color)
{
    useFill(painter, color);
    painter.drawEllipse(rect);
}

void fillPath(QPainter& painter, QPainterPath path, const QColor& color)
{
    useFill(painter, color);
    path.setFillRule(Qt::WindingFill);
    painter.drawPath(path);
}

void strokeRect(QPainter& painter, const QRectF& rect, const QColor& color, double width)
{
    useStroke(painter, color, width);
    painter.drawRect(rect);
}

void strokeEllipse(QPainter& painter, const QRectF& rect, const QColor& color, double width)
{
    useStroke(painter, color, width);
    painter.drawEllipse(rect);
}

void strokeLines(QPainter& painter, std::initializer_list<QLineF> lines, const QColor& color)
{
    useStroke(painter, color, 1.0);
    painter.drawLines(lines.begin(), static_cast<int>(lines.size()));
}

}
