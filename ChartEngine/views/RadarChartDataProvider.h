#pragma once

#include "ChartEngine/views/ChartDataProvider.h"

#include <QPointF>

#include <cmath>
#include <numbers>

namespace Charts {

// What the radar's axis renderers and highlighter read of a radar chart beyond the base: the
// web's geometry. Distances from the centre are (value - chartYMin) × factor; spoke i stands at
// sliceAngle × i + rotationAngle degrees, clockwise on screen from +x.
class RadarChartDataProvider : public virtual ChartDataProvider {
public:
    // Pixels per value unit of the radial axis.
    virtual double factor() const = 0;
    // Degrees between two spokes.
    virtual double sliceAngle() const = 0;
    // The radial axis's range.
    virtual double yRange() const = 0;
    // Degrees of the first spoke.
    virtual double rotationAngle() const = 0;
};

// The point at `distance` from `center` at `degrees`, clockwise on screen from +x.
inline QPointF polarPoint(QPointF center, double distance, double degrees)
{
    const double angle = degrees * std::numbers::pi / 180.0;
    return QPointF(center.x() + distance * std::cos(angle), center.y() + distance * std::sin(angle));
}

}
