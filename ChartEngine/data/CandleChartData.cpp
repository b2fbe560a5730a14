#include "ChartEngine/data/CandleChartData.h"

namespace Charts {

CandleChartData::CandleChartData(ChartDataSetList dataSets)
    : BarLineScatterCandleBubbleChartData(std::move(dataSets))
{
}

}
