#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"

namespace Charts {

// A data set whose highlight is drawn as horizontal and vertical indicator lines.
class LineScatterCandleRadarChartDataSetProtocol : public virtual BarLineScatterCandleBubbleChartDataSetProtocol {
public:
    virtual bool isHorizontalHighlightIndicatorEnabled() const = 0;
    virtual void setDrawHorizontalHighlightIndicatorEnabled(bool enabled) = 0;
    virtual bool isVerticalHighlightIndicatorEnabled() const = 0;
    virtual void setDrawVerticalHighlightIndicatorEnabled(bool enabled) = 0;
    // Both indicator lines on or off.
    virtual void setDrawHighlightIndicators(bool enabled) = 0;
};

}
