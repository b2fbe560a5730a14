#pragma once

#include "ChartEngine/types/ShapeRenderer.h"

namespace Charts {

// A plus sign of the shape size, one pixel wide.
class CrossShapeRenderer : public ShapeRenderer {
public:
    void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color) override;
};

}
