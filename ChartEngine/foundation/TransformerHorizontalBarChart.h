#pragma once

#include "ChartEngine/foundation/Transformer.h"

namespace Charts {

// The transformer of horizontal bar charts, whose values run along x: inverted, it mirrors the
// horizontal direction so that values grow leftward from the content area's right edge.
class TransformerHorizontalBarChart : public Transformer {
public:
    explicit TransformerHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler);

    void prepareMatrixOffset(bool inverted) override;
};

}
