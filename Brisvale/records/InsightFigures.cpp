#include "Brisvale/records/InsightFigures.h"

namespace {

using PeakFlowMath::Reading;

// The readings up to `highest`, in their order.
QList<Reading> upTo(const QList<Reading>& readings, int highest)
{
    QList<Reading> kept;
    for (const Reading& reading : readings) {
        if (reading.second <= highest) {
            kept.append(reading);
        }
    }
    return kept;
}

}

InsightFigures InsightFigures::of(const QList<Reading>& window, const QList<Reading>& wholeDays, int bestValue,
                                  PeakFlowMath::ZonePlan plan, int highest)
{
    const QList<Reading> taken = upTo(window, highest);
    InsightFigures figures;
    figures.withinRange = static_cast<int>(taken.size());
    figures.leftOut = static_cast<int>(window.size() - taken.size());
    figures.variability = PeakFlowMath::diurnalVariability(upTo(wholeDays, highest), variabilityDays);
    if (taken.isEmpty() || bestValue <= 0) {
        return figures;
    }
    const int latest = taken.first().second;
    figures.latestPercent = PeakFlowMath::percentOfBest(latest, bestValue);
    figures.latestZone = PeakFlowMath::zoneOf(latest, bestValue, plan);
    QList<int> pefs;
    double sum = 0;
    for (const Reading& reading : taken) {
        pefs.append(reading.second);
        sum += *PeakFlowMath::percentOfBest(reading.second, bestValue);
    }
    figures.averagePercent = sum / static_cast<double>(taken.size());
    figures.zoneCounts = PeakFlowMath::zoneCounts(pefs, bestValue, plan);
    return figures;
}
