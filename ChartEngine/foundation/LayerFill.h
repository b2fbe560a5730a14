#pragma once

#include "ChartEngine/foundation/Fill.h"

#include <QPicture>

namespace Charts {

// Fills the area with a prepared drawing: the recorded picture's bounding rectangle is
// stretched over the content rectangle. A picture with an empty bounding rectangle paints
// nothing.
class LayerFill : public Fill {
public:
    explicit LayerFill(const QPicture& layer);

    const QPicture& layer() const { return m_layer; }

    void fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const override;

private:
    QPicture m_layer;
};

}
