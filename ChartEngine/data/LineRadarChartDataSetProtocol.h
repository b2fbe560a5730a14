#pragma once

#include "ChartEngine/data/LineScatterCandleRadarChartDataSetProtocol.h"

namespace Charts {

class Fill;

// A data set drawn as a line with an optional filled area under it.
class LineRadarChartDataSetProtocol : public virtual LineScatterCandleRadarChartDataSetProtocol {
public:
    virtual QColor fillColor() const = 0;
    virtual void setFillColor(const QColor& color) = 0;
    virtual std::shared_ptr<Fill> fill() const = 0;
    virtual void setFill(std::shared_ptr<Fill> fill) = 0;
    virtual double fillAlpha() const = 0;
    virtual void setFillAlpha(double alpha) = 0;
    virtual double lineWidth() const = 0;
    virtual void setLineWidth(double width) = 0;
    virtual bool isDrawFilledEnabled() const = 0;
    virtual void setDrawFilledEnabled(bool enabled) = 0;
};

}
