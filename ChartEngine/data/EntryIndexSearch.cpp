#include "ChartEngine/data/EntryIndexSearch.h"

#include "ChartEngine/data/ChartDataSetProtocol.h"

namespace Charts {

qint64 searchEntryIndex(const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry)
{
    const qint64 found = dataSet.entryIndex(entry.x(), entry.y(), ChartDataSetRounding::closest);
    if (found < 0) {
        return -1;
    }
    const double runX = dataSet.entryForIndex(found)->x();
    const auto inRun = [&dataSet, runX](qint64 index) {
        const auto candidate = dataSet.entryForIndex(index);
        return candidate && candidate->x() == runX;
    };
    qint64 index = found;
    while (index > 0 && inRun(index - 1)) {
        --index;
    }
    for (; index == found || inRun(index); ++index) {
        if (dataSet.entryForIndex(index)->isEqual(&entry)) {
            return index;
        }
    }
    return -1;
}

}
