#include "ChartEngine/components/Marker.h"

#include "ChartEngine/foundation/NSUIView.h"

namespace Charts {

namespace {

// One direction: the near edge before the far one.
double keptInside(double position, double offset, double length, const double* boundsLength)
{
    if (position + offset < 0.0) {
        return -position;
    }
    if (boundsLength && position + length + offset > *boundsLength) {
        return *boundsLength - position - length;
    }
    return offset;
}

}

QPointF Marker::offsetKeptInside(QPointF point, QPointF offset, QSizeF size, const NSUIView* chart)
{
    const QRectF bounds = chart ? chart->bounds() : QRectF();
    const double width = bounds.width();
    const double height = bounds.height();
    return QPointF(keptInside(point.x(), offset.x(), size.width(), chart ? &width : nullptr),
                   keptInside(point.y(), offset.y(), size.height(), chart ? &height : nullptr));
}

}
