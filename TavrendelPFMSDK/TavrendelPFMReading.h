#pragma once

#include <QtGlobal>

// One reading in the meter's memory: the two values and the minute it was taken, in the meter's
// clock. The components are kept as the meter holds them; nothing here checks that they form a
// date.
struct TavrendelPFMReading {
    qint32 pef = 0;   // l/min
    float fev1 = 0.f; // litres
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    friend bool operator==(const TavrendelPFMReading&, const TavrendelPFMReading&) = default;
};
