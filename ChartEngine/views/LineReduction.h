#pragma once

#include <QLineF>
#include <QPointF>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

namespace Charts {

// Strokes a polyline given point by point as separate segments, in batches, with the painter's
// pen. Reduced, the points that fall into one device-pixel column of the painter's combined
// transform are drawn with at most two segments: one vertical stroke at the column's middle from
// its smallest to its largest y, and one segment from the previous column to this one (from the
// middle of a column of several points, at the height of its last point, to the middle of this
// one at the height of its first). A column holding one point keeps that point, so where no
// column holds more than one point the reduced line is the unreduced one. Under a transform that
// mixes y into the device x (a rotation or shear) nothing is reduced.
class LineReduction {
public:
    LineReduction(QPainter& painter, bool reduced);
    ~LineReduction();

    LineReduction(const LineReduction&) = delete;
    LineReduction& operator=(const LineReduction&) = delete;

    // The next point in the painter's coordinates; a point that is not finite breaks the line,
    // and one equal to the point before adds nothing.
    void addPoint(const QPointF& point);
    // Draws what is left.
    void finish();

private:
    static constexpr int batchSize = 1024;

    double columnOf(const QPointF& point) const;
    void startColumn(const QPointF& point, double column);
    void closeColumn();
    void addSegment(const QPointF& from, const QPointF& to);
    void flush();

    QPainter& m_painter;
    bool m_reduced;
    QTransform m_toDevice;
    std::vector<QLineF> m_batch;

    // Where the segment into the next column starts; none at the start of a line.
    std::optional<QPointF> m_previous;
    // The open column: its device column, its first and last point, how many points it holds
    // and the extent of their y.
    bool m_open = false;
    double m_column = 0;
    int m_count = 0;
    QPointF m_first;
    QPointF m_last;
    double m_minY = 0;
    double m_maxY = 0;
};

}
