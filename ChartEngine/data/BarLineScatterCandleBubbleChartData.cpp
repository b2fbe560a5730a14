#include "ChartEngine/data/BarLineScatterCandleBubbleChartData.h"

namespace Charts {

BarLineScatterCandleBubbleChartData::BarLineScatterCandleBubbleChartData(ChartDataSetList dataSets)
    : ChartData(std::move(dataSets))
{
}

}
