#pragma once

#include "ChartEngine/foundation/DrawingUtils.h"

#include <QColor>
#include <QPen>

namespace Charts {

// The solid pen of the engine's strokes: round charts' web, outlines, value lines and highlights,
// candle shadows and bubble rings; flat caps, mitred joins up to ten times the half width.
inline QPen strokePen(const QColor& color, double width)
{
    QPen pen(color, strokeWidth(width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    return pen;
}

}
