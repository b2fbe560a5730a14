#pragma once

#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <memory>

namespace Charts {

class ScatterChartData;

// What the scatter renderer reads of its chart: the scatter data (none for other data).
class ScatterChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<ScatterChartData> scatterData() const = 0;
};

}
