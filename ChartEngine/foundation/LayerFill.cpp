#include "ChartEngine/foundation/LayerFill.h"

#include <QPainter>
#include <QPainterPath>

namespace Charts {

LayerFill::LayerFill(const QPicture& layer)
    : m_layer(layer)
{
}

void LayerFill::fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const
{
    const QRectF bounds = m_layer.boundingRect();
    if (bounds.isEmpty() || !isFinite(rect)) {
        return;
    }
    painter.save();
    clipToArea(painter, path);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / bounds.width(), rect.height() / bounds.height());
    painter.translate(-bounds.topLeft());
    painter.drawPicture(QPointF(0.0, 0.0), m_layer);
    painter.restore();
}

}
