#include "ChartEngine/data/RadarChartData.h"

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/HighlightEntryIndex.h"

namespace Charts {

RadarChartData::RadarChartData(ChartDataSetList dataSets)
    : ChartData(std::move(dataSets))
{
}

void RadarChartData::setHighlightColor(const QColor& color)
{
    m_highlightColor = color;
}

void RadarChartData::setHighlightLineWidth(double width)
{
    m_highlightLineWidth = width;
}

void RadarChartData::setHighlightLineDashPhase(double phase)
{
    m_highlightLineDashPhase = phase;
}

void RadarChartData::setHighlightLineDashLengths(std::optional<QList<double>> lengths)
{
    m_highlightLineDashLengths = std::move(lengths);
}

void RadarChartData::setLabels(const QStringList& labels)
{
    m_labels = labels;
}

std::shared_ptr<ChartDataEntry> RadarChartData::entryFor(const Highlight& highlight) const
{
    const auto set = dataSetAtIndex(highlight.dataSetIndex());
    const auto index = highlightEntryIndex(highlight.x());
    return set && index ? set->entryForIndex(*index) : nullptr;
}

}
