#include "ChartEngine/foundation/EmptyFill.h"

namespace Charts {

void EmptyFill::fillPath(QPainter&, const QPainterPath&, const QRectF&) const
{
}

}
