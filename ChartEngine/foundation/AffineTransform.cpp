#include "ChartEngine/foundation/AffineTransform.h"

#include <algorithm>
#include <cmath>

namespace Charts {

bool AffineTransform::isInvertible() const
{
    const double det = determinant();
    return det != 0 && std::isfinite(det);
}

AffineTransform AffineTransform::inverted() const
{
    if (!isInvertible()) {
        return *this;
    }
    const double det = determinant();
    return {d / det,  -b / det, -c / det, a / det,
            (c * ty - d * tx) / det, (b * tx - a * ty) / det};
}

QRectF AffineTransform::mapRect(const QRectF& rect) const
{
    const QPointF corners[4] = {map(rect.topLeft()), map(rect.topRight()),
                                map(rect.bottomLeft()), map(rect.bottomRight())};
    double left = corners[0].x();
    double right = left;
    double top = corners[0].y();
    double bottom = top;
    for (const QPointF& corner : corners) {
        left = std::min(left, corner.x());
        right = std::max(right, corner.x());
        top = std::min(top, corner.y());
        bottom = std::max(bottom, corner.y());
    }
    return {left, top, right - left, bottom - top};
}

}
