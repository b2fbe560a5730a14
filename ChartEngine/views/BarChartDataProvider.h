#pragma once

#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <memory>

namespace Charts {

class BarChartData;

// What the bar renderers and highlighters read of their chart: the bar data (none for other data)
// and the three bar switches.
class BarChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<BarChartData> barData() const = 0;
    virtual bool isDrawBarShadowEnabled() const = 0;
    virtual bool isDrawValueAboveBarEnabled() const = 0;
    virtual bool isHighlightFullBarEnabled() const = 0;
};

}
