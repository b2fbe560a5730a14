#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartData.h"

namespace Charts {

class BarChartData;
class BubbleChartData;
class CandleChartData;
class LineChartData;
class ScatterChartData;

// The chart data of a combined chart: one container of each kind (line, bar, scatter, candle,
// bubble; any may be absent), presented as one ChartData whose data sets are those of the present
// containers in that order and whose bounds span all of them. Data enters only through the five
// containers: a combined container built from data sets starts empty, and adding or removing data
// sets or entries through it is refused.
//
// A highlight of a combined chart names its container by dataIndex (its position in allData) and
// its set by dataSetIndex within that container.
class CombinedChartData : public BarLineScatterCandleBubbleChartData {
public:
    CombinedChartData() = default;
    // The sets are dropped: the list is rebuilt from the (absent) containers.
    explicit CombinedChartData(ChartDataSetList dataSets);

    // Writing a container recomputes the combined list and bounds.
    const std::shared_ptr<LineChartData>& lineData() const { return m_lineData; }
    void setLineData(std::shared_ptr<LineChartData> data);
    const std::shared_ptr<BarChartData>& barData() const { return m_barData; }
    void setBarData(std::shared_ptr<BarChartData> data);
    const std::shared_ptr<ScatterChartData>& scatterData() const { return m_scatterData; }
    void setScatterData(std::shared_ptr<ScatterChartData> data);
    const std::shared_ptr<CandleChartData>& candleData() const { return m_candleData; }
    void setCandleData(std::shared_ptr<CandleChartData> data);
    const std::shared_ptr<BubbleChartData>& bubbleData() const { return m_bubbleData; }
    void setBubbleData(std::shared_ptr<BubbleChartData> data);

    // The present containers: line, bar, scatter, candle, bubble.
    QList<std::shared_ptr<ChartData>> allData() const;
    // The container at that position of allData; none outside it.
    std::shared_ptr<ChartData> dataByIndex(qint64 index) const;
    // The position of the container in allData; none when it is not there.
    std::optional<qint64> indexOfData(const std::shared_ptr<ChartData>& data) const;
    // The set at the highlight's dataSetIndex inside the container at its dataIndex; none when
    // either index is outside its list.
    std::shared_ptr<ChartDataSetProtocol> getDataSetByHighlight(const Highlight& highlight) const;

    // Among the highlighted set's entries at the highlight's x, the first whose y equals the
    // highlight's y exactly, or simply the first when the highlight's y is not-a-number.
    std::shared_ptr<ChartDataEntry> entryFor(const Highlight& highlight) const override;

    // Each present container's notifyDataChanged, then calcMinMax.
    void notifyDataChanged() override;
    // Rebuilds the combined list from the containers and widens every bound over all their sets.
    void calcMinMax() override;

    // Removes the set from the first container holding it; the combined list and bounds stay until
    // notifyDataChanged.
    std::shared_ptr<ChartDataSetProtocol> removeDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet) override;
    // Refused: print a line and answer false.
    bool removeEntry(const std::shared_ptr<ChartDataEntry>& entry, qint64 dataSetIndex) override;
    bool removeEntryWithXValue(double x, qint64 dataSetIndex) override;
    // Programming errors that stop the program: data sets are added and removed through the
    // containers.
    void addDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet) override;
    std::shared_ptr<ChartDataSetProtocol> removeDataSetByIndex(qint64 index) override;

private:
    std::shared_ptr<LineChartData> m_lineData;
    std::shared_ptr<BarChartData> m_barData;
    std::shared_ptr<ScatterChartData> m_scatterData;
    std::shared_ptr<CandleChartData> m_candleData;
    std::shared_ptr<BubbleChartData> m_bubbleData;
};

}
