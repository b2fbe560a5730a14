#pragma once

#include "ChartEngine/data/ChartData.h"

namespace Charts {

// The chart data of a line chart: its data sets are LineChartDataSets.
class LineChartData : public ChartData {
public:
    LineChartData() = default;
    explicit LineChartData(ChartDataSetList dataSets);
};

}
