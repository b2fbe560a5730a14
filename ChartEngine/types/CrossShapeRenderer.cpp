#include "ChartEngine/types/CrossShapeRenderer.h"

#include "ChartEngine/data/ScatterChartDataSetProtocol.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/ShapePainting.h"

namespace Charts {

void CrossShapeRenderer::renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                                     const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color)
{
    const double h = dataSet.scatterShapeSize() / 2.0;
    const double x = point.x();
    const double y = point.y();
    ShapePainting::strokeLines(context, {QLineF(x - h, y, x + h, y), QLineF(x, y - h, x, y + h)}, color,
                               viewPortHandler.chartBounds());
}

}
