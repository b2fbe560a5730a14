#pragma once

#include "ChartEngine/types/ShapeRenderer.h"

namespace Charts {

// A chevron pointing up, one pixel wide: its apex a full shape size above the point, its arms
// reaching a full size to each side (twice the reach of the cross).
class ChevronUpShapeRenderer : public ShapeRenderer {
public:
    void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color) override;
};

}
