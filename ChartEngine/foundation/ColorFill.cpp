#include "ChartEngine/foundation/ColorFill.h"

#include <QPainter>
#include <QPainterPath>

namespace Charts {

ColorFill::ColorFill(const QColor& color)
    : m_color(color)
{
}

void ColorFill::fillPath(QPainter& painter, const QPainterPath& path, const QRectF&) const
{
    QPainterPath area = path;
    area.setFillRule(Qt::WindingFill);
    painter.save();
    painter.fillPath(area, m_color);
    painter.restore();
}

}
