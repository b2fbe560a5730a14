#include "ChartEngine/data/CombinedChartData.h"

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/ChartFatal.h"

#include <cmath>

namespace Charts {

// The base constructor holds the sets and bounds them; this class's rule then rebuilds the list
// from the containers, which are all absent.
CombinedChartData::CombinedChartData(ChartDataSetList dataSets)
    : BarLineScatterCandleBubbleChartData(std::move(dataSets))
{
    notifyDataChanged();
}

void CombinedChartData::setLineData(std::shared_ptr<LineChartData> data)
{
    m_lineData = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setBarData(std::shared_ptr<BarChartData> data)
{
    m_barData = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setScatterData(std::shared_ptr<ScatterChartData> data)
{
    m_scatterData = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setCandleData(std::shared_ptr<CandleChartData> data)
{
    m_candleData = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setBubbleData(std::shared_ptr<BubbleChartData> data)
{
    m_bubbleData = std::move(data);
    notifyDataChanged();
}

QList<std::shared_ptr<ChartData>> CombinedChartData::allData() const
{
    QList<std::shared_ptr<ChartData>> all;
    const std::shared_ptr<ChartData> ordered[] = {m_lineData, m_barData, m_scatterData, m_candleData, m_bubbleData};
    for (const auto& data : ordered) {
        if (data) {
            all.append(data);
        }
    }
    return all;
}

std::shared_ptr<ChartData> CombinedChartData::dataByIndex(qint64 index) const
{
    const auto all = allData();
    return index >= 0 && index < all.size() ? all.at(index) : nullptr;
}

std::optional<qint64> CombinedChartData::indexOfData(const std::shared_ptr<ChartData>& data) const
{
    const qint64 index = allData().indexOf(data);
    return index < 0 ? std::nullopt : std::optional<qint64>(index);
}

std::shared_ptr<ChartDataSetProtocol> CombinedChartData::getDataSetByHighlight(const Highlight& highlight) const
{
    const auto data = dataByIndex(highlight.dataIndex());
    return data ? data->dataSets().value(highlight.dataSetIndex()) : nullptr;
}

std::shared_ptr<ChartDataEntry> CombinedChartData::entryFor(const Highlight& highlight) const
{
    const auto set = getDataSetByHighlight(highlight);
    if (!set || !std::isfinite(highlight.x())) {
        return nullptr;
    }
    const auto entries = set->entriesForXValue(highlight.x());
    if (std::isnan(highlight.y())) {
        return entries.isEmpty() ? nullptr : entries.first();
    }
    for (const auto& entry : entries) {
        if (entry->y() == highlight.y()) {
            return entry;
        }
    }
    return nullptr;
}

void CombinedChartData::notifyDataChanged()
{
    for (const auto& data : allData()) {
        data->notifyDataChanged();
    }
    calcMinMax();
}

// Widening by every set of every container spans the containers' own bounds, and each axis by
// the sets on it; an axis without sets keeps its sentinels.
void CombinedChartData::calcMinMax()
{
    mutableDataSets().clear();
    resetBounds();
    for (const auto& data : allData()) {
        data->calcMinMax();
        for (const auto& set : data->dataSets()) {
            mutableDataSets().append(set);
            calcMinMaxWithDataSet(*set);
        }
    }
}

std::shared_ptr<ChartDataSetProtocol> CombinedChartData::removeDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    for (const auto& data : allData()) {
        if (auto removed = data->removeDataSet(dataSet)) {
            return removed;
        }
    }
    return nullptr;
}

bool CombinedChartData::removeEntry(const std::shared_ptr<ChartDataEntry>&, qint64)
{
    ChartConsole::printLine(QStringLiteral("removeEntry(entry, dataSetIndex) not supported for CombinedData"));
    return false;
}

bool CombinedChartData::removeEntryWithXValue(double, qint64)
{
    ChartConsole::printLine(QStringLiteral("removeEntry(xValue, dataSetIndex) not supported for CombinedData"));
    return false;
}

void CombinedChartData::addDataSet(const std::shared_ptr<ChartDataSetProtocol>&)
{
    chartFatal(QStringLiteral("append(_:) not supported for CombinedData"));
}

std::shared_ptr<ChartDataSetProtocol> CombinedChartData::removeDataSetByIndex(qint64)
{
    chartFatal(QStringLiteral("remove(at:) not supported for CombinedData"));
}

}
