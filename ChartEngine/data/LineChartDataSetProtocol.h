#pragma once

#include "ChartEngine/data/LineRadarChartDataSetProtocol.h"

#include <Qt>

namespace Charts {

class FillFormatter;

// How the line renderer joins the values of a line data set (`LineChartDataSet::Mode`).
enum class LineChartDataSetMode : int {
    linear = 0,           // straight segments
    stepped = 1,          // horizontal then vertical steps
    cubicBezier = 2,      // a cubic curve shaped by the cubic intensity
    horizontalBezier = 3, // control points halfway between neighbouring x values
};

// The mode for a stored raw value; none for a value outside the cases.
inline std::optional<LineChartDataSetMode> lineChartDataSetModeFromRaw(long long raw)
{
    if (raw < 0 || raw > 3) {
        return std::nullopt;
    }
    return static_cast<LineChartDataSetMode>(raw);
}

// The data set of a line chart: line mode, circles at the values, dash, line cap and the
// formatter that says where the filled area ends.
class LineChartDataSetProtocol : public virtual LineRadarChartDataSetProtocol {
public:
    virtual LineChartDataSetMode mode() const = 0;
    virtual void setMode(LineChartDataSetMode mode) = 0;
    virtual double cubicIntensity() const = 0;
    virtual void setCubicIntensity(double intensity) = 0;
    virtual bool isDrawLineWithGradientEnabled() const = 0;
    virtual void setDrawLineWithGradientEnabled(bool enabled) = 0;
    virtual std::optional<QList<double>> gradientPositions() const = 0;
    virtual void setGradientPositions(std::optional<QList<double>> positions) = 0;
    virtual double circleRadius() const = 0;
    virtual void setCircleRadius(double radius) = 0;
    virtual double circleHoleRadius() const = 0;
    virtual void setCircleHoleRadius(double radius) = 0;
    virtual QList<QColor> circleColors() const = 0;
    virtual void setCircleColors(const QList<QColor>& colors) = 0;
    virtual QColor getCircleColorAtIndex(qint64 index) const = 0;
    virtual void setCircleColor(const QColor& color) = 0;
    virtual void resetCircleColors(qint64 index) = 0;
    virtual bool isDrawCirclesEnabled() const = 0;
    virtual void setDrawCirclesEnabled(bool enabled) = 0;
    virtual std::optional<QColor> circleHoleColor() const = 0;
    virtual void setCircleHoleColor(std::optional<QColor> color) = 0;
    virtual bool isDrawCircleHoleEnabled() const = 0;
    virtual void setDrawCircleHoleEnabled(bool enabled) = 0;
    virtual double lineDashPhase() const = 0;
    virtual std::optional<QList<double>> lineDashLengths() const = 0;
    virtual void setLineDashLengths(std::optional<QList<double>> lengths) = 0;
    virtual Qt::PenCapStyle lineCapType() const = 0;
    virtual void setLineCapType(Qt::PenCapStyle cap) = 0;
    virtual std::shared_ptr<FillFormatter> fillFormatter() const = 0;
    virtual void setFillFormatter(std::shared_ptr<FillFormatter> formatter) = 0;
};

}
