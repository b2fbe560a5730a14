#pragma once

#include <QtGlobal>

namespace Charts {

class ChartDataEntry;
class ChartDataSetProtocol;

// The index of `entry` in a data set whose entries are in ascending x order, found by the
// binary search by x and y, then looked up through the run of entries at that x: the first
// entry of the run that equals it (the same object, or the same x and y). For such sets this
// is the answer of the linear entryIndex(entry) in logarithmic time; -1 when no entry of the
// run equals it.
qint64 searchEntryIndex(const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry);

}
