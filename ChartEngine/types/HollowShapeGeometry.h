#pragma once

#include "ChartEngine/data/ScatterChartDataSetProtocol.h"

#include <QRectF>

namespace Charts {

// The measures the hollow shapes (square, circle, triangle) are drawn with: the full size s, the
// hole's size (twice its radius) and the thickness of the ring around it, (s - holeSize) / 2.
struct HollowShapeGeometry {
    explicit HollowShapeGeometry(const ScatterChartDataSetProtocol& dataSet);

    // The rectangle whose outline, stroked at the ring thickness, draws the ring around point.
    QRectF ringRect(QPointF point) const;
    // The hole around point.
    QRectF holeRect(QPointF point) const;
    // The whole shape around point.
    QRectF shapeRect(QPointF point) const;

    double size;
    double half;
    double holeRadius;
    double holeSize;
    double ringThickness;
    std::optional<QColor> holeColor;
};

}
