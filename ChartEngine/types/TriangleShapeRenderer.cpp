#include "ChartEngine/types/TriangleShapeRenderer.h"

#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/HollowShapeGeometry.h"
#include "ChartEngine/types/ShapePainting.h"

namespace Charts {

namespace {

// The triangle inset by the ring thickness, apex first, then the base's right and left corners.
QPainterPath innerTriangle(QPointF point, const HollowShapeGeometry& shape)
{
    const double x = point.x();
    const double y = point.y();
    const double h = shape.half;
    const double t = shape.ringThickness;
    QPainterPath path(QPointF(x, y - h + t));
    path.lineTo(x + h - t, y + h - t);
    path.lineTo(x - h + t, y + h - t);
    path.closeSubpath();
    return path;
}

}

void TriangleShapeRenderer::renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                                        const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color)
{
    const HollowShapeGeometry shape(dataSet);
    const double x = point.x();
    const double y = point.y();
    const double h = shape.half;
    const double t = shape.ringThickness;
    const bool hollow = shape.holeSize > 0.0;

    QPainterPath path(QPointF(x, y - h));
    path.lineTo(x + h, y + h);
    path.lineTo(x - h, y + h);
    if (hollow) {
        // The inner triangle runs the other way round, so the winding rule leaves it empty.
        path.lineTo(x, y - h);
        path.moveTo(x - h + t, y + h - t);
        path.lineTo(x + h - t, y + h - t);
        path.lineTo(x, y - h + t);
        path.lineTo(x - h + t, y + h - t);
    }
    path.closeSubpath();
    ShapePainting::fillPath(context, path, color, viewPortHandler.chartBounds());

    if (hollow && shape.holeColor) {
        ShapePainting::fillPath(context, innerTriangle(point, shape), *shape.holeColor, viewPortHandler.chartBounds());
    }
}

}
