#include "ChartEngine/views/ZoomViewJob.h"

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
    // Reads the x-y chart view's axes; completed together with that view.
}

}
