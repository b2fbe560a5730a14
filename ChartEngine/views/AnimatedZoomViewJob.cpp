#include "ChartEngine/views/AnimatedZoomViewJob.h"

#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

namespace Charts {

AnimatedZoomViewJob::AnimatedZoomViewJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler,
                                         const std::shared_ptr<Transformer>& transformer,
                                         QObject* view, std::shared_ptr<YAxis> yAxis,
                                         double xAxisRange, double scaleX, double scaleY,
                                         double xOrigin, double yOrigin, double zoomCenterX,
                                         double zoomCenterY, double zoomOriginX,
                                         double zoomOriginY, double duration,
                                         ChartEasingFunction easing)
    : AnimatedViewPortJob(viewPortHandler, 0, 0, transformer, view, xOrigin, yOrigin, duration,
                          std::move(easing))
    , m_yAxis(std::move(yAxis))
    , m_xAxisRange(xAxisRange)
    , m_scaleX(scaleX)
    , m_scaleY(scaleY)
    , m_zoomOriginX(zoomOriginX)
    , m_zoomOriginY(zoomOriginY)
    , m_zoomCenterX(zoomCenterX)
    , m_zoomCenterY(zoomCenterY)
{
}

AnimatedZoomViewJob::~AnimatedZoomViewJob() = default;

void AnimatedZoomViewJob::animationStep()
{
    const Targets now = targets();
    if (!now.isComplete() || !m_yAxis) {
        return;
    }
    const double scaleX = xOrigin() + (m_scaleX - xOrigin()) * phase();
    const double scaleY = yOrigin() + (m_scaleY - yOrigin()) * phase();
    if (!zoomTo(now, scaleX, scaleY)) {
        return;
    }
    const double yRange = m_yAxis->axisRange() / now.handler->scaleY();
    const double xRange = m_xAxisRange / now.handler->scaleX();
    const QPointF topLeft(
        m_zoomOriginX + ((m_zoomCenterX - xRange * 0.5) - m_zoomOriginX) * phase(),
        m_zoomOriginY + ((m_zoomCenterY + yRange * 0.5) - m_zoomOriginY) * phase());
    translateValueToTopLeft(now, topLeft, true);
}

void AnimatedZoomViewJob::animationDidEnd()
{
    const Targets now = targets();
    if (!now.isComplete()) {
        return;
    }
    relayoutView(now);
}

}
