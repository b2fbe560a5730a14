#include "ChartEngine/views/ZoomViewJob.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/BarLineChartViewBase.h"

namespace Charts {

ZoomViewJob::ZoomViewJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler, double scaleX,
                         double scaleY, double xValue, double yValue,
                         const std::shared_ptr<Transformer>& transformer, AxisDependency axis,
                         QObject* view)
    : ViewPortJob(viewPortHandler, xValue, yValue, transformer, view)
    , m_scaleX(scaleX)
    , m_scaleY(scaleY)
    , m_axisDependency(axis)
{
}

void ZoomViewJob::doJob()
{
    const Targets now = targets();
    auto* barLineView = dynamic_cast<BarLineChartViewBase*>(view());
    if (!now.isComplete() || !barLineView || !zoomTo(now, m_scaleX, m_scaleY)) {
        return;
    }
    // The ranges visible at the new scales, so that the value ends in the middle.
    const double yRange =
        barLineView->getAxis(m_axisDependency)->axisRange() / now.handler->scaleY();
    const double xRange = barLineView->xAxis()->axisRange() / now.handler->scaleX();
    translateValueToTopLeft(now, QPointF(xValue() - xRange * 0.5, yValue() + yRange * 0.5), false);
    relayoutView(now);
}

}
