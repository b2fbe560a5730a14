#pragma once

#include "ChartEngine/data/LineRadarChartDataSetProtocol.h"

namespace Charts {

// The data set of a radar chart: the circle drawn at a highlighted value.
class RadarChartDataSetProtocol : public virtual LineRadarChartDataSetProtocol {
public:
    virtual bool isDrawHighlightCircleEnabled() const = 0;
    virtual void setDrawHighlightCircleEnabled(bool enabled) = 0;
    virtual std::optional<QColor> highlightCircleFillColor() const = 0;
    virtual void setHighlightCircleFillColor(std::optional<QColor> color) = 0;
    virtual std::optional<QColor> highlightCircleStrokeColor() const = 0;
    virtual void setHighlightCircleStrokeColor(std::optional<QColor> color) = 0;
    virtual double highlightCircleStrokeAlpha() const = 0;
    virtual void setHighlightCircleStrokeAlpha(double alpha) = 0;
    virtual double highlightCircleInnerRadius() const = 0;
    virtual void setHighlightCircleInnerRadius(double radius) = 0;
    virtual double highlightCircleOuterRadius() const = 0;
    virtual void setHighlightCircleOuterRadius(double radius) = 0;
    virtual double highlightCircleStrokeWidth() const = 0;
    virtual void setHighlightCircleStrokeWidth(double width) = 0;
};

}
