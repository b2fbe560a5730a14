#pragma once

#include "ChartEngine/components/PieRadarHighlighter.h"

namespace Charts {

// The highlighter of the pie chart: the slice under the touch, of the first data set. Its
// pixel position is the touch itself.
class PieHighlighter : public PieRadarHighlighter {
public:
    // `chart` is a PieChartView, held weakly.
    explicit PieHighlighter(QObject* chart);

    std::shared_ptr<Highlight> closestHighlight(qint64 index, double x, double y) const override;
};

}
