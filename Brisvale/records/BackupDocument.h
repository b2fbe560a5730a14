#pragma once

#include "Brisvale/records/Decode_Profile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The backup document: every user profile with all its readings as one UTF-8 JSON array.
//
// Written with each object's keys in a fixed order, pretty-printed: dates as numbers of seconds
// since 2001-01-01T00:00:00Z in full precision, floats as the shortest decimal that reads back
// as the same float, Booleans as true/false, an absent value as null with its key present.
// Read strictly: one profile or reading that is not as it must be, or one object that holds a key
// twice, refuses the whole document. Only a reading that no meter can give (ReadingRange) or
// that has no date is left out alone, and counted: a store may hold such a reading from before,
// and writes it out.
class BackupDocument {
public:
    // The document holding `profiles` in the order given, each with its readings in the order
    // given. A value that has no JSON form (a float or date that is not finite) makes the whole
    // document impossible: the answer is then none, and `error` (when given) says which value.
    static std::optional<QByteArray> write(const QList<Decode_Profile>& profiles,
                                           QString* error = nullptr);

    // The profiles of `document`, in file order. Keys may come in any order and unknown keys are
    // ignored. Every profile key but "name" must be present and not null; a reading needs
    // "fev1Value" and "pefValue", while "measureDate" and "note" may be null or missing (the
    // decoded reading then has none), and the birthday must be a date a calendar shows. Anything
    // else that is not as it must be answers none, with `error` (when given) naming the first
    // fault. A reading whose values no meter gives, or whose date is missing, null or on no day
    // a calendar shows, is left out of the answer; `leftOut` (when given) gets how many were.
    static std::optional<QList<Decode_Profile>> read(const QByteArray& document,
                                                     QString* error = nullptr,
                                                     qsizetype* leftOut = nullptr);

    // The name of a backup made at `moment`: "Export_QFDB_" + its local time as "yyyyMMddHHmmss"
    // (ASCII digits whatever the locale) + ".bak".
    static QString fileName(const QDateTime& moment);
};
