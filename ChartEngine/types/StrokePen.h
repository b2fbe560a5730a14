#pragma once

#include "ChartEngine/foundation/DrawingUtils.h"

#include <QColor>
#include <QPen>

namespace Charts {

// The pen of the round charts' lines (web, outlines, value lines, highlight lines and circles):
// flat caps, mitred joins up to ten times the half width.
inline QPen strokePen(const QColor& color, double width)
{
    QPen pen(color, strokeWidth(width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    return pen;
}

}
