#pragma once

#include "ChartEngine/data/ChartData.h"

namespace Charts {

// The chart data of the charts drawn on x and y axes other than the line chart: bar, bubble,
// candlestick, scatter and combined data. It adds nothing to ChartData but the type their views
// and renderers expect.
class BarLineScatterCandleBubbleChartData : public ChartData {
public:
    BarLineScatterCandleBubbleChartData() = default;
    explicit BarLineScatterCandleBubbleChartData(ChartDataSetList dataSets);
};

}
