#pragma once

#include "Brisvale/records/PeakFlowMath.h"

#include <QList>

#include <optional>

// The figures of the overview's Insight card. A reading above the meter's range (shown as "Hi",
// its true value unknown) takes part in none of them; the readings so left out are counted.
struct InsightFigures {
    // The days the variability looks back over, at most: the most recent that hold two readings.
    static constexpr int variabilityDays = 14;

    // `window` holds the readings of the overview's days and time of day, newest first;
    // `wholeDays` those of the same days at every hour, which the variability takes (morning and
    // evening readings of one day make it). A reading above `highest` is left out.
    static InsightFigures of(const QList<PeakFlowMath::Reading>& window,
                             const QList<PeakFlowMath::Reading>& wholeDays, int bestValue,
                             PeakFlowMath::ZonePlan plan, int highest);

    int withinRange = 0; // readings of the window that the figures take
    int leftOut = 0;     // readings of the window above the meter's range
    // Of the newest reading within the range, with a best value.
    std::optional<double> latestPercent;
    std::optional<PeakFlowMath::Zone> latestZone;
    // Of the window's readings within the range, with a best value.
    std::optional<double> averagePercent;
    std::optional<PeakFlowMath::ZoneCounts> zoneCounts;
    PeakFlowMath::Variability variability;
};
