#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

namespace Charts {

class ScatterChartDataSetProtocol;
class ViewPortHandler;

// Draws the shape of one scatter point centred on a pixel point, sized by the data set's shape
// size (and, for the hollow shapes, its hole radius and hole colour). The painter's pen, brush
// and any path are left as the drawing set them.
class ShapeRenderer {
public:
    virtual ~ShapeRenderer() = default;

    virtual void renderShape(QPainter& context, const ScatterChartDataSetProtocol& dataSet,
                             const ViewPortHandler& viewPortHandler, QPointF point, const QColor& color)
        = 0;
};

}
