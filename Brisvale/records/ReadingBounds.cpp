#include "Brisvale/records/ReadingBounds.h"

#include <algorithm>

std::optional<ReadingBounds> ReadingBounds::of(const QList<PFMPtr>& readings)
{
    std::optional<ReadingBounds> bounds;
    for (const PFMPtr& reading : readings) {
        const std::optional<Timestamp>& date = reading->measureDate;
        if (!date) {
            continue;
        }
        if (!bounds) {
            bounds = ReadingBounds{*date, *date};
        } else {
            bounds->earliest = std::min(bounds->earliest, *date);
            bounds->latest = std::max(bounds->latest, *date);
        }
    }
    return bounds;
}
