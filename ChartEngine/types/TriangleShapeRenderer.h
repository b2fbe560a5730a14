#pragma once

#include "ChartEngine/types/ShapeRenderer.h"

namespace Charts {

// A triangle pointing up, its apex half the shape size above the point and its base as far below;
// with a hole, hollowed by the triangle inset by the ring thickness, the hole filled with the
// hole colour when one is set.
class TriangleShapeRenderer : public ShapeRenderer {
public:
    void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color) override;
};

}
