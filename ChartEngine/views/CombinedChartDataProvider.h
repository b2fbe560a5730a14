#pragma once

#include "ChartEngine/views/BarChartDataProvider.h"
#include "ChartEngine/views/BubbleChartDataProvider.h"
#include "ChartEngine/views/CandleChartDataProvider.h"
#include "ChartEngine/views/LineChartDataProvider.h"
#include "ChartEngine/views/ScatterChartDataProvider.h"

#include <memory>

namespace Charts {

class CombinedChartData;

// What the combined renderer and its sub-renderers read of the view: every kind's provider at
// once, over one shared x-y base (each kind inherits it virtually).
class CombinedChartDataProvider : public virtual LineChartDataProvider,
                                  public virtual BarChartDataProvider,
                                  public virtual BubbleChartDataProvider,
                                  public virtual CandleChartDataProvider,
                                  public virtual ScatterChartDataProvider {
public:
    virtual std::shared_ptr<CombinedChartData> combinedData() const = 0;
};

}
