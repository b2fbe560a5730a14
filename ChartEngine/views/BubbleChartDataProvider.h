#pragma once

#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <memory>

namespace Charts {

class BubbleChartData;

// What the bubble renderer reads of its chart: the bubble data (none for other data).
class BubbleChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<BubbleChartData> bubbleData() const = 0;
};

}
