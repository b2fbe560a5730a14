#include "ChartEngine/views/MoveViewJob.h"

namespace Charts {

void MoveViewJob::doJob()
{
    const Targets now = targets();
    if (!now.isComplete()) {
        return;
    }
    moveValueToTopLeft(now, QPointF(xValue(), yValue()));
}

}
