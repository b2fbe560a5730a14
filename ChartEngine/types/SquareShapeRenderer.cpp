#include "ChartEngine/types/SquareShapeRenderer.h"

#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/HollowShapeGeometry.h"
#include "ChartEngine/types/ShapePainting.h"

namespace Charts {

// A ring without thickness (a hole as large as the shape or larger) draws no ring.
void SquareShapeRenderer::renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                                      const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color)
{
    const HollowShapeGeometry shape(dataSet);
    if (!(shape.holeSize > 0.0)) {
        ShapePainting::fillRect(context, shape.shapeRect(point), color, viewPortHandler.chartBounds());
        return;
    }
    if (shape.ringThickness > 0.0) {
        ShapePainting::strokeRect(context, shape.ringRect(point), color, shape.ringThickness,
                                  viewPortHandler.chartBounds());
    }
    if (shape.holeColor) {
        ShapePainting::fillRect(context, shape.holeRect(point), *shape.holeColor, viewPortHandler.chartBounds());
    }
}

}
