#pragma once

#include "ChartEngine/foundation/Fill.h"

#include <QColor>

namespace Charts {

// Fills the area with one colour; the content rectangle is not used.
class ColorFill : public Fill {
public:
    explicit ColorFill(const QColor& color);

    const QColor& color() const { return m_color; }

    void fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const override;

private:
    QColor m_color;
};

}
