#pragma once

#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/views/ViewPortJob.h"

namespace Charts {

// Zooms an x-y chart view to the given scales and moves it so that (xValue, yValue) lies in the
// middle of the content, then lays the view out again. The visible ranges come from the view's
// x axis and the y axis of `axis`; on any other view the job changes nothing.
class ZoomViewJob : public ViewPortJob {
    Q_OBJECT

public:
    ZoomViewJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler, double scaleX,
                double scaleY, double xValue, double yValue,
                const std::shared_ptr<Transformer>& transformer, AxisDependency axis, QObject* view);

    void doJob() override;

    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }
    AxisDependency axisDependency() const { return m_axisDependency; }

private:
    double m_scaleX = 0;
    double m_scaleY = 0;
    AxisDependency m_axisDependency = AxisDependency::left;
};

}
