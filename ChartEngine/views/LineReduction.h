#pragma once

#include <QLineF>
#include <QPointF>
#include <QTransform>

#include <vector>

class QPainter;

namespace Charts {

// Strokes a polyline given point by point as separate segments, in batches, with the painter's
// pen. Reduced, the points that fall into one device-pixel column of the painter's combined
// transform are drawn as at most two segments: one vertical stroke at the column's middle from
// its smallest to its largest y, and one segment from its last point to the next column's first.
// A column holding one point is drawn exactly as unreduced. Under a transform that mixes y into
// the device x (a rotation or shear) nothing is reduced.
class LineReduction {
public:
    LineReduction(QPainter& painter, bool reduced);
    ~LineReduction();

    LineReduction(const LineReduction&) = delete;
    LineReduction& operator=(const LineReduction&) = delete;

    // The next point in the painter's coordinates; a point that is not finite breaks the line.
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

    // The open column: its device column, first and last point, and the extent of its points.
    bool m_open = false;
    double m_column = 0;
    int m_count = 0;
    QPointF m_last;
    double m_minX = 0;
    double m_maxX = 0;
    double m_minY = 0;
    double m_maxY = 0;
};

}
