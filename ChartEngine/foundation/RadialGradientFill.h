#pragma once

#include "ChartEngine/foundation/Fill.h"

#include <QGradientStops>
#include <QPointF>
#include <utility>

namespace Charts {

// Fills the area with a radial gradient from a start circle to an end circle. Centres are
// offset from the content rectangle's centre by fractions of its width and height; radii are
// fractions of half the rectangle's larger side. The end colours extend beyond both circles.
class RadialGradientFill : public Fill {
public:
    // Both circles centred on the rectangle, the start circle a point, the end circle touching
    // the rectangle's farther sides.
    explicit RadialGradientFill(const QGradientStops& gradient);
    RadialGradientFill(const QGradientStops& gradient, QPointF startOffsetPercent,
                       QPointF endOffsetPercent, double startRadiusPercent,
                       double endRadiusPercent);

    const QGradientStops& gradient() const { return m_gradient; }
    QPointF startOffsetPercent() const { return m_startOffsetPercent; }
    QPointF endOffsetPercent() const { return m_endOffsetPercent; }
    double startRadiusPercent() const { return m_startRadiusPercent; }
    double endRadiusPercent() const { return m_endRadiusPercent; }

    struct Circle {
        QPointF center;
        double radius;
    };
    // The start and end circles over `rect`.
    std::pair<Circle, Circle> gradientCircles(const QRectF& rect) const;

    void fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const override;

private:
    QGradientStops m_gradient;
    QPointF m_startOffsetPercent;
    QPointF m_endOffsetPercent;
    double m_startRadiusPercent;
    double m_endRadiusPercent;
};

}
