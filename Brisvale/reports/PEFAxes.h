#pragma once

#include "Brisvale/records/PeakFlowMath.h"

#include "ChartEngine/components/ZoneBand.h"

#include <QList>

namespace Charts {
class BarLineChartViewBase;
}

// The y axes of a PEF chart, on the Data page and in the report's pictures: 50 to 900 l/min,
// with the traffic-light zones of the user's best value behind the left axis's grid.
namespace PEFAxes {

constexpr double minimum = 50.0;
constexpr double maximum = 900.0; // a PEF above it is drawn on it

// Red from 50 to the plan's red limit (60 % or 50 % of the best value), yellow to 80 %, green to
// 900; the fractions are kept.
QList<Charts::ZoneBand> zoneBands(double bestValue, PeakFlowMath::ZonePlan plan);

// Both axes from 50 to 900. The zones of the plan are shown for a best value above 50 only;
// otherwise they are switched off and the bands set before stay stored.
void style(Charts::BarLineChartViewBase& chart, double bestValue, PeakFlowMath::ZonePlan plan);

}
