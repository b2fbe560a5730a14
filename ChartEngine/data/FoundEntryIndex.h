#pragma once

#include <QtGlobal>

namespace Charts {

class ChartDataEntry;
class ChartDataSetProtocol;

// Entry indices for the drawing passes, without a linear search of the set. For a set in
// ascending x both answer exactly what the set's linear entryIndex(entry) answers: the first
// index whose entry isEqual accepts.

// The first index of the run of equal x around `foundIndex` (an index the set's binary search
// answered) whose entry isEqual accepts that found entry; -1 for an index outside the set.
qint64 firstEqualEntryIndex(const ChartDataSetProtocol& dataSet, qint64 foundIndex);

// The first index whose entry isEqual accepts `entry`, looked up by the set's binary search for
// the entry's x and y and then through that run of equal x; -1 when no entry there is equal.
qint64 entryIndexBySearch(const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry);

}
