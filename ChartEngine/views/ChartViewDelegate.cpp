#include "ChartEngine/views/ChartViewDelegate.h"

namespace Charts {

void ChartViewDelegate::chartValueSelected(ChartViewBase& /*chartView*/,
                                           const std::shared_ptr<ChartDataEntry>& /*entry*/,
                                           const std::shared_ptr<Highlight>& /*highlight*/)
{
}

void ChartViewDelegate::chartValueNothingSelected(ChartViewBase& /*chartView*/) {}

void ChartViewDelegate::chartScaled(ChartViewBase& /*chartView*/, double /*scaleX*/, double /*scaleY*/) {}

void ChartViewDelegate::chartTranslated(ChartViewBase& /*chartView*/, double /*dX*/, double /*dY*/) {}

void ChartViewDelegate::chartViewDidEndPanning(ChartViewBase& /*chartView*/) {}

void ChartViewDelegate::animatorDidStop(ChartViewBase& /*chartView*/, Animator& /*animator*/) {}

}
