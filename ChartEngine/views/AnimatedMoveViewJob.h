#pragma once

#include "ChartEngine/views/AnimatedViewPortJob.h"

namespace Charts {

// Moves the view port from the value point (xOrigin, yOrigin) to (xValue, yValue) over the
// duration; at every frame the point reached lies at the content's top-left corner.
class AnimatedMoveViewJob : public AnimatedViewPortJob {
    Q_OBJECT

public:
    using AnimatedViewPortJob::AnimatedViewPortJob;

    void animationStep() override;
};

}
