#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartData.h"

namespace Charts {

// The chart data of a candlestick chart: candle data sets.
class CandleChartData : public BarLineScatterCandleBubbleChartData {
public:
    CandleChartData() = default;
    explicit CandleChartData(ChartDataSetList dataSets);
};

}
