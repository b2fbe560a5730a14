#pragma once

#include "ChartEngine/views/ViewPortJob.h"

namespace Charts {

// Moves the view port at once so that (xValue, yValue) lies at the content's top-left corner,
// as far as the handler's limits allow.
class MoveViewJob : public ViewPortJob {
    Q_OBJECT

public:
    using ViewPortJob::ViewPortJob;

    void doJob() override;
};

}
