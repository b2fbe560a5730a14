#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSet.h"

namespace Charts {

BarLineScatterCandleBubbleChartDataSet::BarLineScatterCandleBubbleChartDataSet(const std::optional<QString>& label)
    : ChartDataSet(label)
{
}

BarLineScatterCandleBubbleChartDataSet::BarLineScatterCandleBubbleChartDataSet(ChartDataEntryList entries,
                                                                               const std::optional<QString>& label)
    : ChartDataSet(std::move(entries), label)
{
}

QColor BarLineScatterCandleBubbleChartDataSet::highlightColor() const
{
    return m_highlightColor;
}

void BarLineScatterCandleBubbleChartDataSet::setHighlightColor(const QColor& color)
{
    m_highlightColor = color;
}

double BarLineScatterCandleBubbleChartDataSet::highlightLineWidth() const
{
    return m_highlightLineWidth;
}

void BarLineScatterCandleBubbleChartDataSet::setHighlightLineWidth(double width)
{
    m_highlightLineWidth = width;
}

double BarLineScatterCandleBubbleChartDataSet::highlightLineDashPhase() const
{
    return m_highlightLineDashPhase;
}

void BarLineScatterCandleBubbleChartDataSet::setHighlightLineDashPhase(double phase)
{
    m_highlightLineDashPhase = phase;
}

std::optional<QList<double>> BarLineScatterCandleBubbleChartDataSet::highlightLineDashLengths() const
{
    return m_highlightLineDashLengths;
}

void BarLineScatterCandleBubbleChartDataSet::setHighlightLineDashLengths(std::optional<QList<double>> lengths)
{
    m_highlightLineDashLengths = std::move(lengths);
}

std::shared_ptr<ChartBaseDataSet> BarLineScatterCandleBubbleChartDataSet::makeEmpty() const
{
    return std::make_shared<BarLineScatterCandleBubbleChartDataSet>();
}

void BarLineScatterCandleBubbleChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    ChartDataSet::copyTo(target);
    auto& set = dynamic_cast<BarLineScatterCandleBubbleChartDataSet&>(target);
    set.m_highlightColor = m_highlightColor;
    set.m_highlightLineWidth = m_highlightLineWidth;
    set.m_highlightLineDashPhase = m_highlightLineDashPhase;
    set.m_highlightLineDashLengths = m_highlightLineDashLengths;
}

}
