#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "ChartEngine/data/LineScatterCandleRadarChartDataSetProtocol.h"

namespace Charts {

// The common stem of the line, candle, scatter and radar data sets: the highlight indicator lines.
class LineScatterCandleRadarChartDataSet : public BarLineScatterCandleBubbleChartDataSet,
                                           public virtual LineScatterCandleRadarChartDataSetProtocol {
public:
    LineScatterCandleRadarChartDataSet() = default;
    explicit LineScatterCandleRadarChartDataSet(const std::optional<QString>& label);
    explicit LineScatterCandleRadarChartDataSet(ChartDataEntryList entries,
                                                const std::optional<QString>& label = QStringLiteral("DataSet"));

    bool isHorizontalHighlightIndicatorEnabled() const override;
    void setDrawHorizontalHighlightIndicatorEnabled(bool enabled) override;
    bool isVerticalHighlightIndicatorEnabled() const override;
    void setDrawVerticalHighlightIndicatorEnabled(bool enabled) override;
    void setDrawHighlightIndicators(bool enabled) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    void copyTo(ChartBaseDataSet& target) const override;

private:
    bool m_drawHorizontalHighlightIndicatorEnabled = true;
    bool m_drawVerticalHighlightIndicatorEnabled = true;
};

}
