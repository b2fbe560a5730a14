#include "ChartEngine/components/RadarHighlighter.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/types/RadarChartView.h"

#include <cmath>

namespace Charts {

namespace {

RadarChartView* radarView(QObject* chart)
{
    auto* view = qobject_cast<RadarChartView*>(chart);
    return view && std::isfinite(view->factor()) ? view : nullptr;
}

}

RadarHighlighter::RadarHighlighter(QObject* chart)
    : PieRadarHighlighter(chart)
{
}

std::shared_ptr<Highlight> RadarHighlighter::closestHighlight(qint64 index, double x,
                                                              double y) const
{
    const RadarChartView* view = radarView(chart());
    if (!view) {
        return nullptr;
    }
    // The touch's distance from the centre in value units, and each value's above the axis's
    // minimum, where its point stands.
    const double target = view->distanceToCenter(x, y) / view->factor();
    const double yMin = view->chartYMin();
    std::shared_ptr<Highlight> closest;
    for (const auto& candidate : highlightsAtIndex(index)) {
        if (!closest
            || std::abs(closest->y() - yMin - target) > std::abs(candidate->y() - yMin - target)) {
            closest = candidate;
        }
    }
    return closest;
}

HighlightList RadarHighlighter::highlightsAtIndex(qint64 index) const
{
    const RadarChartView* view = radarView(chart());
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData) {
        return {};
    }
    const auto animator = view->chartAnimator();
    const double phaseX = animator->phaseX();
    const double phaseY = animator->phaseY();
    const double spoke = view->sliceAngle() * double(index) * phaseX + view->rotationAngle();
    HighlightList highlights;
    const auto dataSets = chartData->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const auto& dataSet = dataSets.at(i);
        const auto entry = dataSet ? dataSet->entryForIndex(index) : nullptr;
        if (!entry) {
            continue;
        }
        const QPointF point = polarPoint(
            view->centerOffsets(), (entry->y() - view->chartYMin()) * view->factor() * phaseY, spoke);
        highlights.append(std::make_shared<Highlight>(double(index), entry->y(), point.x(),
                                                      point.y(), i, dataSet->axisDependency()));
    }
    return highlights;
}

}
