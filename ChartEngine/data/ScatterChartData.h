#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartData.h"

namespace Charts {

// The chart data of a scatter chart: scatter data sets.
class ScatterChartData : public BarLineScatterCandleBubbleChartData {
public:
    ScatterChartData() = default;
    explicit ScatterChartData(ChartDataSetList dataSets);

    // The shape size of the set drawing the largest shapes (the first of equals); 0 without data
    // sets or when any set is not a scatter data set.
    double getGreatestShapeSize() const;
};

}
