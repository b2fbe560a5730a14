#pragma once

#include "ChartEngine/types/ShapeRenderer.h"

namespace Charts {

// A square of the shape size; with a hole, a square ring around it, the hole filled with the hole
// colour when one is set.
class SquareShapeRenderer : public ShapeRenderer {
public:
    void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color) override;
};

}
