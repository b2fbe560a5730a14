#include "ChartEngine/types/ChevronUpShapeRenderer.h"

#include "ChartEngine/data/ScatterChartDataSetProtocol.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/ShapePainting.h"

namespace Charts {

void ChevronUpShapeRenderer::renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                                         const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color)
{
    const double s = dataSet.scatterShapeSize();
    const double x = point.x();
    const double y = point.y();
    ShapePainting::strokeLines(context, {QLineF(x, y - s, x + s, y), QLineF(x, y - s, x - s, y)}, color,
                               viewPortHandler.chartBounds());
}

}
