#include "ChartEngine/views/ViewPortJob.h"

#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortChart.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/BarLineChartViewBase.h"

#include <cmath>

namespace Charts {

namespace {

bool isFinite(const QPointF& point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

bool isFinite(const AffineTransform& matrix)
{
    return std::isfinite(matrix.a) && std::isfinite(matrix.b) && std::isfinite(matrix.c)
        && std::isfinite(matrix.d) && std::isfinite(matrix.tx) && std::isfinite(matrix.ty);
}

}

ViewPortJob::ViewPortJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler, double xValue,
                         double yValue, const std::shared_ptr<Transformer>& transformer,
                         QObject* view)
    : m_viewPortHandler(viewPortHandler)
    , m_xValue(xValue)
    , m_yValue(yValue)
    , m_transformer(transformer)
    , m_view(view)
{
}

ViewPortJob::~ViewPortJob() = default;

void ViewPortJob::doJob()
{
    chartFatal(QStringLiteral("`doJob()` must be overridden by subclasses"));
}

ViewPortJob::Targets ViewPortJob::targets() const
{
    return {m_viewPortHandler.lock(), m_transformer.lock(),
            dynamic_cast<ViewPortChart*>(m_view.data())};
}

void ViewPortJob::moveValueToTopLeft(const Targets& targets, QPointF value)
{
    targets.transformer->valueToPixel(value);
    if (!isFinite(value)) {
        return;
    }
    targets.handler->centerViewPort(value, targets.chart);
}

void ViewPortJob::translateValueToTopLeft(const Targets& targets, QPointF value, bool invalidate)
{
    targets.transformer->valueToPixel(value);
    refresh(targets, targets.handler->translate(value), invalidate);
}

bool ViewPortJob::refresh(const Targets& targets, const AffineTransform& matrix, bool invalidate)
{
    if (!isFinite(matrix)) {
        return false;
    }
    targets.handler->refresh(matrix, targets.chart, invalidate);
    return true;
}

bool ViewPortJob::zoomTo(const Targets& targets, double scaleX, double scaleY)
{
    return refresh(targets, targets.handler->setZoom(scaleX, scaleY), false);
}

void ViewPortJob::relayoutView(const Targets& targets)
{
    if (auto* barLineView = dynamic_cast<BarLineChartViewBase*>(targets.chart)) {
        barLineView->calculateOffsets();
    }
    targets.chart->setNeedsDisplayInRect(targets.chart->bounds());
}

}
