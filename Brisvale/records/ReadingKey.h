#pragma once

#include "Brisvale/records/PFM.h"

#include <QHashFunctions>
#include <QList>
#include <QSet>

// What makes two dated readings of one profile the same reading, for the meter download and the
// backup import alike: FEV1 (as floats: a NaN equals nothing, -0 equals 0), PEF and date (as
// doubles, the same way). The note is not compared. A reading without a date has no key: it
// equals no dated reading. Readings are looked up by their keys in a hash set, so a download or
// an import costs the same whatever the number of stored readings it is compared with.
struct ReadingKey {
    float fev1Value = 0.0f;
    qint32 pefValue = 0;
    double measureDate = 0.0;

    // The keys of the readings that have a date.
    static QSet<ReadingKey> keysOf(const QList<PFMPtr>& readings);

    friend bool operator==(const ReadingKey&, const ReadingKey&) = default;
};

// Equal keys hash alike.
size_t qHash(const ReadingKey& key, size_t seed = 0);
