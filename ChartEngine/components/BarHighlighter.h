#pragma once

#include "ChartEngine/components/ChartHighlighter.h"
#include "ChartEngine/components/Range.h"

#include <optional>

namespace Charts {

class BarChartDataSetProtocol;
class BarChartDataProvider;

// The highlighter of bar charts: the closest bar by horizontal distance alone, narrowed to the
// touched segment for a stacked bar. The chart answers BarChartDataProvider.
class BarHighlighter : public ChartHighlighter {
public:
    explicit BarHighlighter(QObject* chart);

    std::shared_ptr<Highlight> getHighlight(double x, double y) const override;
    double pixelDistance(double x1, double y1, double x2, double y2) const override;
    // The chart's bar data; none for other charts.
    std::shared_ptr<ChartData> highlightData() const override;

    // The highlight of the segment under (xValue, yValue) of a bar found on a stacked set: the
    // whole entry's x and y, the pixel of the segment's top end. A plain bar keeps `high`; an
    // entry without ranges gives none.
    virtual std::shared_ptr<Highlight> getStackedHighlight(const std::shared_ptr<Highlight>& high,
                                                           const BarChartDataSetProtocol& dataSet,
                                                           double xValue, double yValue) const;
    // The first segment that holds the value (from < value <= to); the last one for a value
    // above the stack; else 0. No list, or an empty one, gives 0.
    virtual qint64 getClosestStackIndex(const std::optional<QList<Range>>& ranges, double value) const;

protected:
    BarChartDataProvider* barProvider() const;
    // `high`, or the segment's highlight when its set is a stacked bar set of `data`.
    std::shared_ptr<Highlight> narrowToStack(const std::shared_ptr<Highlight>& high, const ChartData& data,
                                             double xValue, double yValue) const;
};

}
