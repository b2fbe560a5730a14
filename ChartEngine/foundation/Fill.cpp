#include "ChartEngine/foundation/Fill.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace Charts {

void Fill::clipToArea(QPainter& painter, const QPainterPath& path)
{
    QPainterPath area = path;
    area.setFillRule(Qt::WindingFill);
    painter.setClipPath(area, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

bool Fill::isFinite(const QRectF& rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width())
        && std::isfinite(rect.height());
}

}
