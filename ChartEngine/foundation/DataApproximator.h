#pragma once

#include <QList>
#include <QPointF>

#include <span>

namespace Charts {

// Thins a polyline so that a long series draws with fewer points and keeps its shape
// (Douglas-Peucker). Both forms keep the first and the last point and return the kept points in
// their input order.
class DataApproximator {
public:
    // Keeps every point that lies farther than `tolerance` from the segment being split. A
    // tolerance of 0 or less, or fewer than 3 points, returns the points unchanged.
    static QList<QPointF> reduceWithDouglasPeuker(std::span<const QPointF> points,
                                                  double tolerance);

    // Splits the segment with the farthest point first until `resultCount` splits have been
    // made. A count of 2 or less, or not below the number of points, returns them unchanged.
    static QList<QPointF> reduceWithDouglasPeukerN(std::span<const QPointF> points,
                                                   qint64 resultCount);
};

}
