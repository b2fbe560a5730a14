#pragma once

#include "Brisvale/records/PFM.h"

#include <QList>

// The averages of a set of readings that more than one page shows, computed once so that the
// Overview and the PDF report give the same figure for the same readings.
namespace ReadingAverages {

// The PEF average: the exact sum in 64 bits (imported readings may hold values whose sum
// overflows 32), divided by the count and rounded to the nearest whole l/min, halves away
// from zero (350.5 gives 351, -350.5 gives -351). 0 when there are no readings or the sum is 0.
qint64 pefAverage(const QList<PFMPtr>& readings);

}
