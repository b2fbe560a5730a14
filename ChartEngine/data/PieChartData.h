#pragma once

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/PieChartDataSetProtocol.h"

namespace Charts {

// The chart data of a pie chart. It may hold several data sets, but everything a pie chart asks
// of it uses the first one only; its entries are addressed by index, not by x.
class PieChartData : public ChartData {
public:
    PieChartData() = default;
    explicit PieChartData(ChartDataSetList dataSets);

    // The first data set when it is a pie data set; otherwise none.
    std::shared_ptr<PieChartDataSetProtocol> dataSet() const;
    // Makes the list that one set, or empty for none, and recomputes the bounds.
    void setDataSet(const std::shared_ptr<PieChartDataSetProtocol>& dataSet);

    // Index 0 gives the first data set; any other index none.
    std::shared_ptr<ChartDataSetProtocol> dataSetAtIndex(qint64 index) const override;
    // The first data set when its label matches (letter case aside with ignoreCase); otherwise
    // none. The other sets are not consulted.
    std::shared_ptr<ChartDataSetProtocol> dataSetForLabel(const QString& label, bool ignoreCase) const override;
    // The entry of the pie data set at the index the highlight's x names (truncated toward zero);
    // none without a pie data set, for an index outside the entries, or for an x that is not a
    // finite number.
    std::shared_ptr<ChartDataEntry> entryFor(const Highlight& highlight) const override;

    // The sum of the pie data set's y values; 0 without a pie data set.
    double yValueSum() const;
};

}
