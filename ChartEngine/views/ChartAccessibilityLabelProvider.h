#pragma once

#include <QString>

#include <optional>

namespace Charts {

class ChartViewBase;

// Lets an application give its own texts to what assistive technology reads from a chart: the
// chart's summary (its accessible description) and the name of each point. A text not given
// (nullopt) keeps the engine's own.
class ChartAccessibilityLabelProvider {
public:
    virtual ~ChartAccessibilityLabelProvider() = default;

    // The summary of the whole chart.
    virtual std::optional<QString> summary(const ChartViewBase& chart) const = 0;
    // The name of entry `entryIndex` of data set `dataSetIndex`.
    virtual std::optional<QString> pointLabel(const ChartViewBase& chart, qint64 dataSetIndex,
                                              qint64 entryIndex) const = 0;
};

}
