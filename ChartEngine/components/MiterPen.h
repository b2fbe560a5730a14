#pragma once

#include "ChartEngine/foundation/DrawingUtils.h"

#include <QPen>

namespace Charts {

// The pen with mitred joins cut off at ten times the half width, and butt ends: how bar
// borders, highlight lines and the horizontal-bar axis and limit lines are stroked.
inline QPen miterPen(QPen pen)
{
    pen.setWidthF(strokeWidth(pen.widthF()));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(10.0);
    return pen;
}

}
