#include "ChartEngine/views/AnimatedMoveViewJob.h"

namespace Charts {

void AnimatedMoveViewJob::animationStep()
{
    const Targets now = targets();
    if (!now.isComplete()) {
        return;
    }
    const double x = xOrigin() + (xValue() - xOrigin()) * phase();
    const double y = yOrigin() + (yValue() - yOrigin()) * phase();
    moveValueToTopLeft(now, QPointF(x, y));
}

}
