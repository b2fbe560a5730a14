#include "ChartEngine/data/LineScatterCandleRadarChartDataSet.h"

namespace Charts {

LineScatterCandleRadarChartDataSet::LineScatterCandleRadarChartDataSet(const std::optional<QString>& label)
    : BarLineScatterCandleBubbleChartDataSet(label)
{
}

LineScatterCandleRadarChartDataSet::LineScatterCandleRadarChartDataSet(ChartDataEntryList entries,
                                                                       const std::optional<QString>& label)
    : BarLineScatterCandleBubbleChartDataSet(std::move(entries), label)
{
}

bool LineScatterCandleRadarChartDataSet::isHorizontalHighlightIndicatorEnabled() const
{
    return m_drawHorizontalHighlightIndicatorEnabled;
}

void LineScatterCandleRadarChartDataSet::setDrawHorizontalHighlightIndicatorEnabled(bool enabled)
{
    m_drawHorizontalHighlightIndicatorEnabled = enabled;
}

bool LineScatterCandleRadarChartDataSet::isVerticalHighlightIndicatorEnabled() const
{
    return m_drawVerticalHighlightIndicatorEnabled;
}

void LineScatterCandleRadarChartDataSet::setDrawVerticalHighlightIndicatorEnabled(bool enabled)
{
    m_drawVerticalHighlightIndicatorEnabled = enabled;
}

void LineScatterCandleRadarChartDataSet::setDrawHighlightIndicators(bool enabled)
{
    setDrawHorizontalHighlightIndicatorEnabled(enabled);
    setDrawVerticalHighlightIndicatorEnabled(enabled);
}

std::shared_ptr<ChartBaseDataSet> LineScatterCandleRadarChartDataSet::makeEmpty() const
{
    return std::make_shared<LineScatterCandleRadarChartDataSet>();
}

void LineScatterCandleRadarChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    BarLineScatterCandleBubbleChartDataSet::copyTo(target);
    auto& set = dynamic_cast<LineScatterCandleRadarChartDataSet&>(target);
    set.m_drawHorizontalHighlightIndicatorEnabled = m_drawHorizontalHighlightIndicatorEnabled;
    set.m_drawVerticalHighlightIndicatorEnabled = m_drawVerticalHighlightIndicatorEnabled;
}

}
