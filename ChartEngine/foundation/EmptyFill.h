#pragma once

#include "ChartEngine/foundation/Fill.h"

namespace Charts {

// Paints nothing.
class EmptyFill : public Fill {
public:
    void fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const override;
};

}
