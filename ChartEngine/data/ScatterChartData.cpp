#include "ChartEngine/data/ScatterChartData.h"

#include "ChartEngine/data/ScatterChartDataSetProtocol.h"

namespace Charts {

ScatterChartData::ScatterChartData(ChartDataSetList dataSets)
    : BarLineScatterCandleBubbleChartData(std::move(dataSets))
{
}

double ScatterChartData::getGreatestShapeSize() const
{
    const ScatterChartDataSetProtocol* greatest = nullptr;
    for (const auto& set : dataSets()) {
        const auto* scatterSet = dynamic_cast<const ScatterChartDataSetProtocol*>(set.get());
        if (scatterSet == nullptr) {
            return 0.0;
        }
        if (greatest == nullptr || scatterSet->scatterShapeSize() > greatest->scatterShapeSize()) {
            greatest = scatterSet;
        }
    }
    return greatest == nullptr ? 0.0 : greatest->scatterShapeSize();
}

}
