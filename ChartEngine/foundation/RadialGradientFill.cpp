#include "ChartEngine/foundation/RadialGradientFill.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace Charts {

RadialGradientFill::RadialGradientFill(const QGradientStops& gradient)
    : RadialGradientFill(gradient, QPointF(0.0, 0.0), QPointF(0.0, 0.0), 0.0, 1.0)
{
}

RadialGradientFill::RadialGradientFill(const QGradientStops& gradient, QPointF startOffsetPercent,
                                       QPointF endOffsetPercent, double startRadiusPercent,
                                       double endRadiusPercent)
    : m_gradient(gradient)
    , m_startOffsetPercent(startOffsetPercent)
    , m_endOffsetPercent(endOffsetPercent)
    , m_startRadiusPercent(startRadiusPercent)
    , m_endRadiusPercent(endRadiusPercent)
{
}

std::pair<RadialGradientFill::Circle, RadialGradientFill::Circle>
RadialGradientFill::gradientCircles(const QRectF& rect) const
{
    const double radius = std::max(rect.width(), rect.height()) / 2.0;
    const QPointF middle = rect.center();
    const auto offset = [&](QPointF percent) {
        return middle + QPointF(rect.width() * percent.x(), rect.height() * percent.y());
    };
    return {Circle{offset(m_startOffsetPercent), radius * m_startRadiusPercent},
            Circle{offset(m_endOffsetPercent), radius * m_endRadiusPercent}};
}

void RadialGradientFill::fillPath(QPainter& painter, const QPainterPath& path,
                                  const QRectF& rect) const
{
    if (!isFinite(rect)) {
        return;
    }
    const auto [start, end] = gradientCircles(rect);
    if (!std::isfinite(start.center.x()) || !std::isfinite(start.center.y())
        || !std::isfinite(end.center.x()) || !std::isfinite(end.center.y())
        || !std::isfinite(start.radius) || !std::isfinite(end.radius)) {
        return;
    }
    // Qt's two-circle gradient runs from its focal circle (stop 0) to its centre circle
    // (stop 1): the start circle is the focal one.
    QRadialGradient gradient(end.center, end.radius, start.center, start.radius);
    gradient.setStops(m_gradient);
    gradient.setSpread(QGradient::PadSpread);
    painter.save();
    clipToArea(painter, path);
    painter.fillRect(path.boundingRect(), gradient);
    painter.restore();
}

}
