#pragma once

#include "ChartEngine/views/AnimatedViewPortJob.h"

#include <memory>

namespace Charts {

class YAxis;

// Zooms from the starting scales (xOrigin, yOrigin) to (scaleX, scaleY) over the duration while
// the top-left value moves from the zoom origin to where the zoom centre ends in the middle of
// the content. The visible y range comes from the held y axis, the x range from the x-axis range
// given at the start. At the end an x-y chart view lays its offsets out again and redraws.
class AnimatedZoomViewJob : public AnimatedViewPortJob {
    Q_OBJECT

public:
    AnimatedZoomViewJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler,
                        const std::shared_ptr<Transformer>& transformer, QObject* view,
                        std::shared_ptr<YAxis> yAxis, double xAxisRange, double scaleX,
                        double scaleY, double xOrigin, double yOrigin, double zoomCenterX,
                        double zoomCenterY, double zoomOriginX, double zoomOriginY,
                        double duration, ChartEasingFunction easing);
    ~AnimatedZoomViewJob() override;

    void animationStep() override;
    void animationDidEnd() override;

private:
    std::shared_ptr<YAxis> m_yAxis;
    double m_xAxisRange = 0;
    double m_scaleX = 0;
    double m_scaleY = 0;
    double m_zoomOriginX = 0;
    double m_zoomOriginY = 0;
    double m_zoomCenterX = 0;
    double m_zoomCenterY = 0;
};

}
