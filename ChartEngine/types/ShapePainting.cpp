#include "ChartEngine/types/ShapePainting.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
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

void fillRect(QPainter& painter, const QRectF& rect, const QColor& color, const QRectF& bounds)
{
    useFill(painter, color);
    drawClippedRect(painter, rect, bounds);
}

void fillEllipse(QPainter& painter, const QRectF& rect, const QColor& color, const QRectF& bounds)
{
    useFill(painter, color);
    drawClippedEllipse(painter, rect, bounds);
}

void fillPath(QPainter& painter, QPainterPath path, const QColor& color, const QRectF& bounds)
{
    useFill(painter, color);
    path.setFillRule(Qt::WindingFill);
    fillClippedPath(painter, path, color, bounds);
}

void strokeRect(QPainter& painter, const QRectF& rect, const QColor& color, double width, const QRectF& bounds)
{
    useStroke(painter, color, width);
    drawClippedRect(painter, rect, bounds);
}

void strokeEllipse(QPainter& painter, const QRectF& rect, const QColor& color, double width, const QRectF& bounds)
{
    useStroke(painter, color, width);
    drawClippedEllipse(painter, rect, bounds);
}

void strokeLines(QPainter& painter, std::initializer_list<QLineF> lines, const QColor& color, const QRectF& bounds)
{
    useStroke(painter, color, 1.0);
    drawClippedLines(painter, QList<QLineF>(lines), bounds);
}

}
