#include "ChartEngine/data/BarChartDataSet.h"

#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/foundation/ChartColors.h"

#include <cmath>

namespace Charts {

namespace {

// The bars an entry makes: its stack's value count, or 1 for a plain bar (or another entry).
qint64 barCount(const ChartDataEntry& entry)
{
    const auto* bar = dynamic_cast<const BarChartDataEntry*>(&entry);
    return bar != nullptr && bar->yValues() ? bar->yValues()->size() : 1;
}

}

BarChartDataSet::BarChartDataSet()
{
    initialize();
}

BarChartDataSet::BarChartDataSet(const std::optional<QString>& label)
    : BarLineScatterCandleBubbleChartDataSet(label)
{
    initialize();
}

BarChartDataSet::BarChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : BarLineScatterCandleBubbleChartDataSet(std::move(entries), label)
{
    initialize();
}

// The base constructor computed the bounds with the plain per-entry rule; the bar rule replaces
// them here.
void BarChartDataSet::initialize()
{
    setHighlightColor(ChartColors::black());
    calcStackSize();
    calcEntryCountIncludingStacks();
    calcMinMax();
}

void BarChartDataSet::calcStackSize()
{
    for (const auto& entry : entries()) {
        const qint64 count = barCount(*entry);
        if (count > m_stackSize) {
            m_stackSize = count;
        }
    }
}

void BarChartDataSet::calcEntryCountIncludingStacks()
{
    m_entryCountStacks = 0;
    for (const auto& entry : entries()) {
        m_entryCountStacks += barCount(*entry);
    }
}

void BarChartDataSet::calcMinMaxWithEntry(const ChartDataEntry& entry)
{
    const auto* bar = dynamic_cast<const BarChartDataEntry*>(&entry);
    if (bar == nullptr || std::isnan(bar->y())) {
        return;
    }
    const double low = bar->yValues() ? -bar->negativeSum() : bar->y();
    const double high = bar->yValues() ? bar->positiveSum() : bar->y();
    m_yMin = m_yMin < low ? m_yMin : low;
    m_yMax = high <= m_yMax ? m_yMax : high;
    calcMinMaxXWithEntry(entry);
}

qint64 BarChartDataSet::stackSize() const
{
    return m_stackSize;
}

bool BarChartDataSet::isStacked() const
{
    return m_stackSize > 1;
}

qint64 BarChartDataSet::entryCountStacks() const
{
    return m_entryCountStacks;
}

QStringList BarChartDataSet::stackLabels() const
{
    return m_stackLabels;
}

void BarChartDataSet::setStackLabels(const QStringList& labels)
{
    m_stackLabels = labels;
}

QColor BarChartDataSet::barShadowColor() const
{
    return m_barShadowColor;
}

void BarChartDataSet::setBarShadowColor(const QColor& color)
{
    m_barShadowColor = color;
}

double BarChartDataSet::barBorderWidth() const
{
    return m_barBorderWidth;
}

void BarChartDataSet::setBarBorderWidth(double width)
{
    m_barBorderWidth = width;
}

QColor BarChartDataSet::barBorderColor() const
{
    return m_barBorderColor;
}

void BarChartDataSet::setBarBorderColor(const QColor& color)
{
    m_barBorderColor = color;
}

double BarChartDataSet::highlightAlpha() const
{
    return m_highlightAlpha;
}

void BarChartDataSet::setHighlightAlpha(double alpha)
{
    m_highlightAlpha = alpha;
}

std::shared_ptr<ChartBaseDataSet> BarChartDataSet::makeEmpty() const
{
    return std::make_shared<BarChartDataSet>();
}

void BarChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    BarLineScatterCandleBubbleChartDataSet::copyTo(target);
    auto& set = dynamic_cast<BarChartDataSet&>(target);
    set.m_stackSize = m_stackSize;
    set.m_entryCountStacks = m_entryCountStacks;
    set.m_stackLabels = m_stackLabels;
    set.m_barShadowColor = m_barShadowColor;
    set.m_barBorderWidth = m_barBorderWidth;
    set.m_barBorderColor = m_barBorderColor;
    set.m_highlightAlpha = m_highlightAlpha;
}

}
