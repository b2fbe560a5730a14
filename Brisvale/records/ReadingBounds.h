#pragma once

#include "Brisvale/records/PFM.h"

#include <QList>
#include <optional>

// The dates of the earliest and the latest of some readings; readings without a date are passed
// over.
struct ReadingBounds {
    Timestamp earliest;
    Timestamp latest;

    // None when no reading has a date.
    static std::optional<ReadingBounds> of(const QList<PFMPtr>& readings);
};
