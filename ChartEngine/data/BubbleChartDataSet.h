#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "ChartEngine/data/BubbleChartDataSetProtocol.h"

namespace Charts {

// The data set of a bubble chart, holding BubbleChartDataEntry objects; other entries take no
// part in its bounds. It keeps the largest bubble size it has seen: recomputing the bounds can
// raise it but never lowers it, so removing the largest bubble leaves it as it was.
class BubbleChartDataSet : public BarLineScatterCandleBubbleChartDataSet,
                           public virtual BubbleChartDataSetProtocol {
public:
    BubbleChartDataSet();
    explicit BubbleChartDataSet(const std::optional<QString>& label);
    explicit BubbleChartDataSet(ChartDataEntryList entries,
                                const std::optional<QString>& label = QStringLiteral("DataSet"));

    double maxSize() const override;
    // When on, the renderer scales each bubble by the square root of size / maxSize.
    bool isNormalizeSizeEnabled() const override;
    void setNormalizeSizeEnabled(bool enabled);
    // Line width of the circle around a highlighted bubble.
    double highlightCircleWidth() const override;
    void setHighlightCircleWidth(double width) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    void calcMinMaxWithEntry(const ChartDataEntry& entry) override;
    void copyTo(ChartBaseDataSet& target) const override;

private:
    double m_maxSize = 0.0;
    bool m_normalizeSizeEnabled = true;
    double m_highlightCircleWidth = 2.5;
};

}
