#include "ChartEngine/foundation/LinearGradientFill.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace Charts {

LinearGradientFill::LinearGradientFill(const QGradientStops& gradient, double angle)
    : m_gradient(gradient)
    , m_angle(angle)
{
}

std::pair<QPointF, QPointF> LinearGradientFill::gradientLine(const QRectF& rect) const
{
    const double radians = (360.0 - m_angle) * std::numbers::pi / 180.0;
    const double dx = std::cos(radians) * rect.width() / 2.0;
    const double dy = std::sin(radians) * rect.height() / 2.0;
    const QPointF middle = rect.center();
    return {middle - QPointF(dx, dy), middle + QPointF(dx, dy)};
}

void LinearGradientFill::fillPath(QPainter& painter, const QPainterPath& path,
                                  const QRectF& rect) const
{
    if (!isFinite(rect) || !std::isfinite(m_angle)) {
        return;
    }
    const auto [start, end] = gradientLine(rect);
    QLinearGradient gradient(start, end);
    gradient.setStops(m_gradient);
    gradient.setSpread(QGradient::PadSpread);
    painter.save();
    // The extended ends cover the whole area, also where it reaches outside the rectangle.
    clipToArea(painter, path);
    painter.fillRect(path.boundingRect(), gradient);
    painter.restore();
}

}
