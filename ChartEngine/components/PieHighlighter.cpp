#include "ChartEngine/components/PieHighlighter.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"

namespace Charts {

PieHighlighter::PieHighlighter(QObject* chart)
    : PieRadarHighlighter(chart)
{
}

std::shared_ptr<Highlight> PieHighlighter::closestHighlight(qint64 index, double x, double y) const
{
    const auto chartData = highlightData();
    if (!chartData || chartData->dataSets().isEmpty()) {
        return nullptr;
    }
    const auto& dataSet = chartData->dataSets().first();
    const auto entry = dataSet ? dataSet->entryForIndex(index) : nullptr;
    if (!entry) {
        return nullptr;
    }
    return std::make_shared<Highlight>(static_cast<double>(index), entry->y(), x, y, 0, dataSet->axisDependency());
}

}
