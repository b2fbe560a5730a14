#pragma once

#include "ChartEngine/foundation/Fill.h"

#include <QGradientStops>
#include <QPointF>
#include <utility>

namespace Charts {

// Fills the area with a linear gradient across the content rectangle, at `angle` degrees:
// 0 runs from the left edge to the right edge, 90 from the bottom edge to the top edge. The
// end colours extend beyond the gradient's ends.
class LinearGradientFill : public Fill {
public:
    LinearGradientFill(const QGradientStops& gradient, double angle);

    const QGradientStops& gradient() const { return m_gradient; }
    double angle() const { return m_angle; }

    // The gradient's start and end points over `rect`.
    std::pair<QPointF, QPointF> gradientLine(const QRectF& rect) const;

    void fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const override;

private:
    QGradientStops m_gradient;
    double m_angle;
};

}
