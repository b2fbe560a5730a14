#pragma once

#include "ChartEngine/components/BarHighlighter.h"

namespace Charts {

// The highlighter of horizontal bar charts: the bar highlighter's rules with x running
// vertically, so the touch's coordinates are swapped and the distance is measured along y.
class HorizontalBarHighlighter : public BarHighlighter {
public:
    explicit HorizontalBarHighlighter(QObject* chart);

    // (x, y) is the touch with its coordinates already swapped: x is the view's vertical
    // position, y its horizontal one.
    std::shared_ptr<Highlight> getHighlight(double x, double y) const override;
    // The candidates keep the entries' x and y; their pixels are those of (y, x).
    HighlightList highlightsForDataSet(const ChartDataSetProtocol& dataSet, qint64 dataSetIndex,
                                       double xValue, ChartDataSetRounding rounding) const override;
    double pixelDistance(double x1, double y1, double x2, double y2) const override;
};

}
