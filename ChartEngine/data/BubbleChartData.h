#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartData.h"

namespace Charts {

// The chart data of a bubble chart: bubble data sets.
class BubbleChartData : public BarLineScatterCandleBubbleChartData {
public:
    BubbleChartData() = default;
    explicit BubbleChartData(ChartDataSetList dataSets);

    // Gives every set this highlight circle width, but only when all sets are bubble data sets;
    // otherwise no set is changed.
    void setHighlightCircleWidth(double width);
};

}
