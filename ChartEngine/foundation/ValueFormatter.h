#pragma once

#include <QString>
#include <QtGlobal>

namespace Charts {

class ChartDataEntry;
class ViewPortHandler;

// Writes the value label of one data entry.
class ValueFormatter {
public:
    virtual ~ValueFormatter() = default;

    // `entry` is the entry whose value is shown and `dataSetIndex` the index of its data set in
    // the chart data; `viewPortHandler` is the chart's. The pointers may be null when a caller
    // formats a value outside a chart.
    virtual QString stringForValue(double value, const ChartDataEntry* entry, qint64 dataSetIndex,
                                   const ViewPortHandler* viewPortHandler) const = 0;
};

}
