#include "ChartEngine/components/PieRadarHighlighter.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/types/PieChartView.h"

namespace Charts {

PieRadarHighlighter::PieRadarHighlighter(QObject* chart)
    : ChartHighlighter(chart)
{
}

std::shared_ptr<Highlight> PieRadarHighlighter::getHighlight(double x, double y) const
{
    const auto* view = qobject_cast<PieRadarChartViewBase*>(chart());
    // A touch exactly on the circle is inside it.
    if (!view || view->distanceToCenter(x, y) > view->radius()) {
        return nullptr;
    }
    double angle = view->angleForPoint(x, y);
    if (qobject_cast<const PieChartView*>(view)) {
        angle /= view->chartAnimator()->phaseY();
    }
    const qint64 index = view->indexForAngle(angle);
    const auto chartData = view->data();
    const auto longest = chartData ? chartData->maxEntryCountSet() : nullptr;
    if (index < 0 || !longest || index >= longest->entryCount()) {
        return nullptr;
    }
    return closestHighlight(index, x, y);
}

}
