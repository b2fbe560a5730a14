#include "ChartEngine/data/BarChartData.h"

#include "ChartEngine/foundation/ChartConsole.h"

#include <cmath>

namespace Charts {

BarChartData::BarChartData(ChartDataSetList dataSets)
    : BarLineScatterCandleBubbleChartData(std::move(dataSets))
{
}

void BarChartData::setBarWidth(double width)
{
    m_barWidth = width;
}

double BarChartData::groupWidth(double groupSpace, double barSpace) const
{
    return (m_barWidth + barSpace) * static_cast<double>(dataSets().size()) + groupSpace;
}

void BarChartData::groupBars(double fromX, double groupSpace, double barSpace)
{
    if (dataSets().isEmpty()) {
        ChartConsole::printLine(QStringLiteral("BarData needs to hold at least 2 BarDataSets to allow grouping."));
        return;
    }
    const qint64 groups = maxEntryCountSet()->entryCount();
    const double width = groupWidth(groupSpace, barSpace);
    const double groupSpaceHalf = groupSpace / 2.0;
    const double barSpaceHalf = barSpace / 2.0;
    const double barWidthHalf = m_barWidth / 2.0;

    m_groupStarts.clear();
    for (qint64 group = 0; group < groups; ++group) {
        const double start = fromX;
        m_groupStarts.append(start);
        double x = fromX + groupSpaceHalf;
        for (const auto& set : dataSets()) {
            const double centre = x + barSpaceHalf + barWidthHalf;
            if (group < set->entryCount()) {
                if (const auto entry = set->entryForIndex(group)) {
                    entry->setX(centre);
                }
            }
            x = centre + barWidthHalf + barSpaceHalf;
        }
        double end = x + groupSpaceHalf;
        // Rounding must not let the groups drift: each ends exactly one group width after its start.
        const double diff = width - (end - start);
        if (diff != 0.0 && !std::isnan(diff)) {
            end += diff;
        }
        fromX = end;
    }
    notifyDataChanged();
}

}
