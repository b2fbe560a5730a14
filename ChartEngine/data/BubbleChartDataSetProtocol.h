#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"

namespace Charts {

// The data set of a bubble chart.
class BubbleChartDataSetProtocol : public virtual BarLineScatterCandleBubbleChartDataSetProtocol {
public:
    virtual double maxSize() const = 0;
    virtual bool isNormalizeSizeEnabled() const = 0;
    virtual double highlightCircleWidth() const = 0;
    virtual void setHighlightCircleWidth(double width) = 0;
};

}
