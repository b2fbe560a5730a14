#include "ChartEngine/data/BubbleChartDataSet.h"

#include "ChartEngine/data/BubbleChartDataEntry.h"

namespace Charts {

BubbleChartDataSet::BubbleChartDataSet() = default;

// The base constructors computed the bounds with the plain per-entry rule; the bubble rule
// replaces them here.
BubbleChartDataSet::BubbleChartDataSet(const std::optional<QString>& label)
    : BarLineScatterCandleBubbleChartDataSet(label)
{
    calcMinMax();
}

BubbleChartDataSet::BubbleChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : BarLineScatterCandleBubbleChartDataSet(std::move(entries), label)
{
    calcMinMax();
}

void BubbleChartDataSet::calcMinMaxWithEntry(const ChartDataEntry& entry)
{
    const auto* bubble = dynamic_cast<const BubbleChartDataEntry*>(&entry);
    if (bubble == nullptr) {
        return;
    }
    calcMinMaxXWithEntry(entry);
    calcMinMaxYWithEntry(entry);
    if (bubble->size() > m_maxSize) {
        m_maxSize = bubble->size();
    }
}

double BubbleChartDataSet::maxSize() const
{
    return m_maxSize;
}

bool BubbleChartDataSet::isNormalizeSizeEnabled() const
{
    return m_normalizeSizeEnabled;
}

void BubbleChartDataSet::setNormalizeSizeEnabled(bool enabled)
{
    m_normalizeSizeEnabled = enabled;
}

double BubbleChartDataSet::highlightCircleWidth() const
{
    return m_highlightCircleWidth;
}

void BubbleChartDataSet::setHighlightCircleWidth(double width)
{
    m_highlightCircleWidth = width;
}

std::shared_ptr<ChartBaseDataSet> BubbleChartDataSet::makeEmpty() const
{
    return std::make_shared<BubbleChartDataSet>();
}

// The x bounds come with the base's copy of the four bounds as stored.
void BubbleChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    BarLineScatterCandleBubbleChartDataSet::copyTo(target);
    auto& set = dynamic_cast<BubbleChartDataSet&>(target);
    set.m_maxSize = m_maxSize;
    set.m_normalizeSizeEnabled = m_normalizeSizeEnabled;
    set.m_highlightCircleWidth = m_highlightCircleWidth;
}

}
