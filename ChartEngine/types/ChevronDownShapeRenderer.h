#pragma once

#include "ChartEngine/types/ShapeRenderer.h"

namespace Charts {

// A chevron pointing down, one pixel wide: its apex a full shape size below the point, its arms
// reaching a full size to each side.
class ChevronDownShapeRenderer : public ShapeRenderer {
public:
    void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color) override;
};

}
