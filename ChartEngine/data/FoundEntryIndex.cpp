#include "ChartEngine/data/FoundEntryIndex.h"

#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"

namespace Charts {

namespace {

// The first index of the run of entries at `index` that share its x, and the first index that
// isEqual accepts `entry` in that run; -1 when none does.
qint64 firstEqualInRun(const ChartDataSetProtocol& dataSet, qint64 index, const ChartDataEntry& entry)
{
    const double runX = entry.x();
    while (index > 0) {
        const auto previous = dataSet.entryForIndex(index - 1);
        if (!previous || previous->x() != runX) {
            break;
        }
        --index;
    }
    const qint64 count = dataSet.entryCount();
    for (; index < count; ++index) {
        const auto candidate = dataSet.entryForIndex(index);
        if (!candidate) {
            break;
        }
        if (candidate->isEqual(&entry)) {
            return index;
        }
        if (candidate->x() != runX) {
            break;
        }
    }
    return -1;
}

}

qint64 firstEqualEntryIndex(const ChartDataSetProtocol& dataSet, qint64 foundIndex)
{
    const auto found = dataSet.entryForIndex(foundIndex);
    if (!found) {
        return -1;
    }
    return firstEqualInRun(dataSet, foundIndex, *found);
}

qint64 entryIndexBySearch(const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry)
{
    if (dataSet.entryCount() < 1) {
        return -1;
    }
    const qint64 found = dataSet.entryIndex(entry.x(), entry.y(), ChartDataSetRounding::closest);
    return firstEqualInRun(dataSet, found, entry);
}

}
