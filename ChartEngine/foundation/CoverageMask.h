#pragma once

#include <QPointF>
#include <QRect>
#include <Qt>

#include <vector>

class QColor;
class QImage;
class QPolygonF;

namespace Charts {

// How much of each device pixel of a rectangle a set of closed polygons covers, reckoned as Qt's
// antialiased raster engine reckons it: within a pixel row, each edge adds to the pixels it
// crosses the signed share of the row that it sweeps on its right, a pixel's winding is the sum
// of its row up to it, and the fill rule makes that a coverage (held to 1 by the non-zero rule,
// folded by the odd-even rule). The time grows with the length of the edges. Qt's rasterizer
// keeps each row's pixels in a list that every edge walks, so its time grows with the square of
// the edges a row holds: an outline of thousands of corners across a view took it seconds.
class CoverageMask {
public:
    // `area` in device pixels.
    explicit CoverageMask(const QRect& area);

    // Adds the closed polygon through `points` (device pixels). What lies above or below the
    // area adds nothing; what lies left of it adds to the rows it spans as far as the area's left
    // edge, as it would in a wider area, and what lies right of it adds nothing.
    void addPolygon(const QPolygonF& points);

    // The area painted in `color`, premultiplied, each pixel as far as it is covered by `rule`.
    QImage image(const QColor& color, Qt::FillRule rule) const;

private:
    void addEdge(QPointF from, QPointF to);
    void addEdgeWithin(QPointF from, QPointF to);
    void addRowPart(double* row, double left, double right, double height);

    QRect m_area;
    qsizetype m_stride;
    // Per row, the change of coverage from one pixel to the next (and two beyond the last).
    std::vector<double> m_steps;
};

}
