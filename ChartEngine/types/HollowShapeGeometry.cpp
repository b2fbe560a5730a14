#include "ChartEngine/types/HollowShapeGeometry.h"

namespace Charts {

HollowShapeGeometry::HollowShapeGeometry(const ScatterChartDataSetProtocol& dataSet)
    : size(dataSet.scatterShapeSize())
    , half(size / 2.0)
    , holeRadius(dataSet.scatterShapeHoleRadius())
    , holeSize(holeRadius * 2.0)
    , ringThickness((size - holeSize) / 2.0)
    , holeColor(dataSet.scatterShapeHoleColor())
{
}

QRectF HollowShapeGeometry::ringRect(QPointF point) const
{
    const double inset = holeRadius + ringThickness / 2.0;
    return QRectF(point.x() - inset, point.y() - inset, holeSize + ringThickness, holeSize + ringThickness);
}

QRectF HollowShapeGeometry::holeRect(QPointF point) const
{
    return QRectF(point.x() - holeRadius, point.y() - holeRadius, holeSize, holeSize);
}

QRectF HollowShapeGeometry::shapeRect(QPointF point) const
{
    return QRectF(point.x() - half, point.y() - half, size, size);
}

}
