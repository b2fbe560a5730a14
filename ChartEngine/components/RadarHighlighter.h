#pragma once

#include "ChartEngine/components/PieRadarHighlighter.h"

namespace Charts {

// The highlighter of the radar chart: of the data sets' values on the touched spoke, the one
// whose distance from the centre lies nearest the touch's. Distances are compared in value
// units above the radial axis's minimum; of two equally near values the earlier data set's
// wins. A radial axis without a range highlights nothing.
class RadarHighlighter : public PieRadarHighlighter {
public:
    // `chart` is a RadarChartView, held weakly and cast at each use.
    explicit RadarHighlighter(QObject* chart);

    std::shared_ptr<Highlight> closestHighlight(qint64 index, double x, double y) const override;
    // One highlight per data set with an entry at the index, at that value's point on the spoke.
    virtual HighlightList highlightsAtIndex(qint64 index) const;
};

}
