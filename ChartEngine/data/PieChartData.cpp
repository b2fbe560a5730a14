#include "ChartEngine/data/PieChartData.h"

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/HighlightEntryIndex.h"

namespace Charts {

PieChartData::PieChartData(ChartDataSetList dataSets)
    : ChartData(std::move(dataSets))
{
}

std::shared_ptr<PieChartDataSetProtocol> PieChartData::dataSet() const
{
    return dataSets().isEmpty() ? nullptr : std::dynamic_pointer_cast<PieChartDataSetProtocol>(dataSets().first());
}

void PieChartData::setDataSet(const std::shared_ptr<PieChartDataSetProtocol>& dataSet)
{
    setDataSets(dataSet ? ChartDataSetList{dataSet} : ChartDataSetList());
}

std::shared_ptr<ChartDataSetProtocol> PieChartData::dataSetAtIndex(qint64 index) const
{
    return index == 0 && !dataSets().isEmpty() ? dataSets().first() : nullptr;
}

std::shared_ptr<ChartDataSetProtocol> PieChartData::dataSetForLabel(const QString& label, bool ignoreCase) const
{
    if (dataSets().isEmpty()) {
        return nullptr;
    }
    const auto& first = dataSets().first();
    const auto firstLabel = first->label();
    const Qt::CaseSensitivity sensitivity = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return firstLabel && QString::compare(*firstLabel, label, sensitivity) == 0 ? first : nullptr;
}

std::shared_ptr<ChartDataEntry> PieChartData::entryFor(const Highlight& highlight) const
{
    const auto set = dataSet();
    const auto index = highlightEntryIndex(highlight.x());
    return set && index ? set->entryForIndex(*index) : nullptr;
}

double PieChartData::yValueSum() const
{
    const auto set = dataSet();
    if (!set) {
        return 0.0;
    }
    double sum = 0.0;
    for (qint64 i = 0; i < set->entryCount(); ++i) {
        if (const auto entry = set->entryForIndex(i)) {
            sum += entry->y();
        }
    }
    return sum;
}

}
