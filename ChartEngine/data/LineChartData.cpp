#include "ChartEngine/data/LineChartData.h"

namespace Charts {

LineChartData::LineChartData(ChartDataSetList dataSets)
    : ChartData(std::move(dataSets))
{
}

}
