#include "ChartEngine/data/BubbleChartData.h"

#include "ChartEngine/data/BubbleChartDataSetProtocol.h"

namespace Charts {

BubbleChartData::BubbleChartData(ChartDataSetList dataSets)
    : BarLineScatterCandleBubbleChartData(std::move(dataSets))
{
}

void BubbleChartData::setHighlightCircleWidth(double width)
{
    QList<BubbleChartDataSetProtocol*> bubbleSets;
    for (const auto& set : dataSets()) {
        auto* bubbleSet = dynamic_cast<BubbleChartDataSetProtocol*>(set.get());
        if (bubbleSet == nullptr) {
            return;
        }
        bubbleSets.append(bubbleSet);
    }
    for (auto* bubbleSet : std::as_const(bubbleSets)) {
        bubbleSet->setHighlightCircleWidth(width);
    }
}

}
