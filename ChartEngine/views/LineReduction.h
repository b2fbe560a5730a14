#pragma once

#include "ChartEngine/foundation/AffineTransform.h"

#include <QImage>
#include <QLineF>
#include <QRect>
#include <QRectF>

#include <limits>
#include <vector>

class QPainter;

namespace Charts {

// Strokes a solid line given entry by entry, with the painter's pen, as separate segments
// without joins. Entries come in data values; the matrix maps them (y scaled by the phase) into
// the painter's coordinates.
//
// Reduced, the entries are first gathered per device-pixel column of the painter's combined
// transform: the first, the last, the smallest and the largest y of each column. When no column
// holds entries at two different places, every segment is stroked exactly as unreduced.
// Otherwise the reduced line is drawn: in each column of several entries one vertical stroke at
// the column's middle over their y values, and one segment from each column to the next
// (between columns of several entries from the middle, at the height of the last and of the
// first entry). That line is rasterised column by column: each device column gets the span of
// the stroked line at its middle, whole pixels in the pen's colour and partly covered end
// pixels at their share of it, written into a canvas image that is then drawn in one piece.
// The canvas is the caller's, kept from pass to pass and transparent outside a pass. The
// reduction needs a painter transform and a matrix that keep x and y apart (no rotation or
// shear) with x growing to the right; otherwise every segment is stroked. Segments are stroked
// within `bounds`, the chart's bounds (drawClippedLines).
class LineReduction {
public:
    LineReduction(QPainter& painter, const AffineTransform& matrix, double phaseY, bool reduced, QImage& canvas,
                  const QRectF& bounds);
    ~LineReduction();

    LineReduction(const LineReduction&) = delete;
    LineReduction& operator=(const LineReduction&) = delete;

    // The next entry of the line. An entry whose x or y is not finite is left out (the line runs
    // from the entry before to the one after), and one equal to the entry before adds nothing.
    void addPoint(double x, double y);
    // The entries from index `from` to `to` (inclusive), in order. `ascendingFinite` promises
    // finite values with x never decreasing, which lets whole columns be taken at once.
    void addPoints(const double* xs, const double* ys, qint64 from, qint64 to, bool ascendingFinite);
    // Draws what is left.
    void finish();

private:
    // One device column of entries, in data values.
    struct Column {
        double firstX;
        double firstY;
        double lastX;
        double lastY;
        double minY;
        double maxY;
        // The device column: the floor of the device x.
        double column;

        bool holdsSeveral() const { return firstX != lastX || minY != maxY; }
    };
    // The span of the stroked line at a device column's middle, in device pixels.
    struct Span {
        double top;
        double bottom;
    };

    static constexpr int batchSize = 1024;

    void startColumn(double x, double y);
    void extendColumn(const double* xs, const double* ys, qint64 from, qint64 end);

    QPointF pixel(double x, double y) const;
    void drawEverySegment();
    void addSegment(const QPointF& from, const QPointF& to);
    void flush();

    void drawReduced();
    bool prepareSpans();
    void rasterizeSegment(QPointF from, QPointF to);
    void rasterizeDot(QPointF point);
    void coverColumn(double column, double top, double bottom);
    QRect spanArea() const;
    QRect writeSpans(QRgb color, const QRect& area);
    void paintSpans();

    QPainter& m_painter;
    QImage& m_canvas;
    QRectF m_bounds;
    AffineTransform m_matrix;
    double m_phaseY;
    bool m_reduced;
    // Data values to device pixels: x' = m_scaleX·x + m_offsetX, y' = m_scaleY·y + m_offsetY.
    double m_scaleX = 1;
    double m_offsetX = 0;
    double m_scaleY = 1;
    double m_offsetY = 0;

    // Whether an entry came before, and the entry last added.
    bool m_open = false;
    double m_lastX = 0;
    double m_lastY = 0;
    // The x range of the last column in data values.
    double m_columnLow = 0;
    double m_columnHigh = 0;
    std::vector<Column> m_columns;
    std::vector<QLineF> m_batch;

    // The stroke in device pixels, and the device columns it may paint.
    double m_halfWidth = 0;
    Qt::PenCapStyle m_cap = Qt::FlatCap;
    double m_firstSpan = 0;
    std::vector<Span> m_spans;
};

}
