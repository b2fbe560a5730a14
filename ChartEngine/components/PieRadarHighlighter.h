#pragma once

#include "ChartEngine/components/ChartHighlighter.h"

namespace Charts {

// The highlighter of the round charts: a touch inside the chart's circle names an entry index
// by its angle around the centre (on a pie, the angle is first divided by the y phase of the
// running animation); the subclasses choose the highlight at that index. A touch outside the
// circle, an angle without an entry or an index beyond the longest data set gives none.
class PieRadarHighlighter : public ChartHighlighter {
public:
    // `chart` is a PieRadarChartViewBase, held weakly and cast at each use.
    explicit PieRadarHighlighter(QObject* chart);

    std::shared_ptr<Highlight> getHighlight(double x, double y) const override;
    using ChartHighlighter::getHighlight;

    // The highlight for the entry index under the touch (x, y), or none.
    virtual std::shared_ptr<Highlight> closestHighlight(qint64 index, double x, double y) const = 0;
};

}
