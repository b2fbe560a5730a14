#include "Brisvale/reports/PEFAxes.h"

#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/views/BarLineChartViewBase.h"

namespace {

QColor bandColour(int red, int green, int blue, float alpha)
{
    QColor colour(red, green, blue);
    colour.setAlphaF(alpha);
    return colour;
}

}

QList<Charts::ZoneBand> PEFAxes::zoneBands(double bestValue, PeakFlowMath::ZonePlan plan)
{
    const auto [yellow, red] = PeakFlowMath::zoneFractions(plan);
    return {
        {minimum, red * bestValue, bandColour(255, 99, 132, 0.7f)},
        {red * bestValue, yellow * bestValue, bandColour(255, 205, 86, 0.7f)},
        {yellow * bestValue, maximum, bandColour(75, 192, 192, 0.5f)},
    };
}

void PEFAxes::style(Charts::BarLineChartViewBase& chart, double bestValue, PeakFlowMath::ZonePlan plan)
{
    const auto left = chart.leftAxis();
    if (bestValue > minimum) {
        left->setDrawGridLinesBackgroungEnabled(true);
        left->setBackgroundLimit(zoneBands(bestValue, plan));
    } else {
        left->setDrawGridLinesBackgroungEnabled(false);
    }
    for (const auto& axis : {left, chart.rightAxis()}) {
        axis->setAxisMaximum(maximum);
        axis->setAxisMinimum(minimum);
    }
}
