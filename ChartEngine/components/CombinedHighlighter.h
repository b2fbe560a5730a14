#pragma once

#include "ChartEngine/components/ChartHighlighter.h"

#include <memory>

namespace Charts {

class BarHighlighter;

// The highlighter of combined charts: the candidates of every kind of data the chart holds, each
// marked with its data's position in the combined data, the closest of them chosen as the x-y
// highlighter chooses. Bar data goes to a bar highlighter first, which narrows a stacked bar to
// its segment; it is made only when the chart had bar data when this highlighter was made.
// The chart answers CombinedChartDataProvider.
class CombinedHighlighter : public ChartHighlighter {
public:
    // `barDataProvider` answers BarChartDataProvider; the bar highlighter's chart.
    CombinedHighlighter(QObject* chart, QObject* barDataProvider);
    ~CombinedHighlighter() override;

    HighlightList getHighlights(double xValue, double x, double y) const override;

private:
    std::shared_ptr<BarHighlighter> m_barHighlighter;
};

}
