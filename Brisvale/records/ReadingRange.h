#pragma once

#include "Brisvale/records/Timestamp.h"

#include <QDateTime>
#include <QtGlobal>

// What a stored reading can hold: the values a peak-flow meter can measure and the years a date
// picker's calendar shows. A reading outside them, whether from the meter or from a backup, is
// no reading: it is refused where it comes in and never stored.
namespace ReadingRange {

// PEF in whole l/min: the meter's display has three digits. A reading above 900 is drawn at 900
// and marked "Hi", yet it is the meter's own and is kept; 0 or less is no blow at all.
inline constexpr qint32 lowestPef = 1;
inline constexpr qint32 highestPef = 999;

// FEV1 in litres: above 0 and at most 20, twice what the largest lungs hold. A reading above
// 9.99 is drawn at 9.99 and marked "Hi".
inline constexpr float highestFev1 = 20.0f;

// The years that a date picker and its calendar show.
inline constexpr int firstYear = 100;
inline constexpr int lastYear = 9999;

bool holdsPef(qint64 pef);
// False for a value that is not a number.
bool holdsFev1(float fev1);
// Whether the moment's local date lies within the years; false for an invalid moment.
bool holdsDate(const QDateTime& moment);
bool holdsDate(const Timestamp& moment);

}
