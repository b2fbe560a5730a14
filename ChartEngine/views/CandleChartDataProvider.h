#pragma once

#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <memory>

namespace Charts {

class CandleChartData;

// What the candle renderer reads of its chart: the candle data (none for other data).
class CandleChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<CandleChartData> candleData() const = 0;
};

}
