#pragma once

#include "ChartEngine/types/ShapeRenderer.h"

namespace Charts {

// An x of the shape size, one pixel wide.
class XShapeRenderer : public ShapeRenderer {
public:
    void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color) override;
};

}
