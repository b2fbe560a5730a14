#include "ChartEngine/views/LineReduction.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

// Device columns and rows beyond these are never painted.
constexpr double deviceLimit = 1 << 20;
constexpr double infinity = std::numeric_limits<double>::infinity();

// The canvas pixel of a premultiplied colour at a share of its coverage: every channel scales.
quint32 coveredPixel(QRgb color, double share)
{
    const double scale = std::clamp(share, 0.0, 1.0);
    const auto channel = [scale](int value) { return checkedInteger<quint32>(value * scale + 0.5); };
    return (channel(qAlpha(color)) << 24) | (channel(qRed(color)) << 16) | (channel(qGreen(color)) << 8)
        | channel(qBlue(color));
}

}

LineReduction::LineReduction(QPainter& painter, const AffineTransform& matrix, double phaseY, bool reduced,
                             QImage& canvas, const QRectF& bounds)
    : m_painter(painter)
    , m_canvas(canvas)
    , m_bounds(bounds)
    , m_matrix(matrix)
    , m_phaseY(phaseY)
{
    const QTransform device = painter.combinedTransform();
    m_scaleX = matrix.a * device.m11();
    m_offsetX = matrix.tx * device.m11() + device.dx();
    m_scaleY = matrix.d * phaseY * device.m22();
    m_offsetY = matrix.ty * device.m22() + device.dy();
    m_reduced = reduced && matrix.b == 0.0 && matrix.c == 0.0 && device.type() <= QTransform::TxScale
        && m_scaleX > 0.0 && std::isfinite(m_scaleX) && std::isfinite(m_offsetX) && std::isfinite(m_scaleY)
        && std::isfinite(m_offsetY);
    m_batch.reserve(batchSize);
}

LineReduction::~LineReduction() = default;

// ---- Gathering ----

void LineReduction::addPoint(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y) || (m_open && x == m_lastX && y == m_lastY)) {
        return;
    }
    if (!m_reduced) {
        if (m_open) {
            addSegment(pixel(m_lastX, m_lastY), pixel(x, y));
        }
        m_open = true;
        m_lastX = x;
        m_lastY = y;
        return;
    }
    if (m_open && x >= m_columnLow && x < m_columnHigh) {
        extendColumn(&x, &y, 0, 1);
    } else {
        startColumn(x, y);
    }
}

void LineReduction::addPoints(const double* xs, const double* ys, qint64 from, qint64 to, bool ascendingFinite)
{
    if (!m_reduced || !ascendingFinite) {
        for (qint64 i = from; i <= to; ++i) {
            addPoint(xs[i], ys[i]);
        }
        return;
    }
    qint64 i = from;
    while (i <= to) {
        if (m_open) {
            // The entries below the open column's right edge belong to it: found by doubling
            // steps, then halving the last one.
            qint64 step = 1;
            while (i + step <= to && xs[i + step] < m_columnHigh) {
                step *= 2;
            }
            const qint64 end =
                std::lower_bound(xs + i + step / 2, xs + std::min(i + step, to + 1), m_columnHigh) - xs;
            extendColumn(xs, ys, i, end);
            i = end;
        }
        if (i <= to) {
            startColumn(xs[i], ys[i]);
            ++i;
        }
    }
}

// The new column's x range in data values holds x, whatever the rounding.
void LineReduction::startColumn(double x, double y)
{
    const double column = std::floor(m_scaleX * x + m_offsetX);
    m_columnLow = std::min((column - m_offsetX) / m_scaleX, x);
    m_columnHigh = (column + 1.0 - m_offsetX) / m_scaleX;
    if (!(x < m_columnHigh)) {
        m_columnHigh = std::nextafter(x, infinity);
    }
    m_columns.push_back({x, y, x, y, y, y, column});
    m_open = true;
    m_lastX = x;
    m_lastY = y;
}

// Adds the entries from `from` up to (not including) `end` to the last column.
void LineReduction::extendColumn(const double* xs, const double* ys, qint64 from, qint64 end)
{
    if (end <= from) {
        return;
    }
    Column& column = m_columns.back();
    // Two chains of comparisons, so that neither waits on the other.
    double minEven = column.minY;
    double maxEven = column.maxY;
    double minOdd = minEven;
    double maxOdd = maxEven;
    qint64 i = from;
    for (; i + 1 < end; i += 2) {
        minEven = std::min(minEven, ys[i]);
        maxEven = std::max(maxEven, ys[i]);
        minOdd = std::min(minOdd, ys[i + 1]);
        maxOdd = std::max(maxOdd, ys[i + 1]);
    }
    if (i < end) {
        minEven = std::min(minEven, ys[i]);
        maxEven = std::max(maxEven, ys[i]);
    }
    column.minY = std::min(minEven, minOdd);
    column.maxY = std::max(maxEven, maxOdd);
    column.lastX = m_lastX = xs[end - 1];
    column.lastY = m_lastY = ys[end - 1];
}

QPointF LineReduction::pixel(double x, double y) const
{
    return m_matrix.map(QPointF(x, y * m_phaseY));
}

void LineReduction::finish()
{
    if (m_reduced) {
        if (std::any_of(m_columns.cbegin(), m_columns.cend(), [](const Column& c) { return c.holdsSeveral(); })) {
            drawReduced();
        } else {
            drawEverySegment();
        }
    }
    flush();
    m_columns.clear();
    m_open = false;
}

// ---- Every segment ----

// Columns of one entry each, joined as the unreduced line joins their entries.
void LineReduction::drawEverySegment()
{
    for (std::size_t k = 1; k < m_columns.size(); ++k) {
        addSegment(pixel(m_columns[k - 1].firstX, m_columns[k - 1].firstY),
                   pixel(m_columns[k].firstX, m_columns[k].firstY));
    }
}

void LineReduction::addSegment(const QPointF& from, const QPointF& to)
{
    m_batch.emplace_back(from, to);
    if (m_batch.size() == batchSize) {
        flush();
    }
}

void LineReduction::flush()
{
    if (!m_batch.empty()) {
        drawClippedLines(m_painter, QList<QLineF>(m_batch.cbegin(), m_batch.cend()), m_bounds);
        m_batch.clear();
    }
}

// ---- The reduced line ----

void LineReduction::drawReduced()
{
    if (!prepareSpans()) {
        return;
    }
    const auto devicePoint = [this](double x, double y) {
        return QPointF(m_scaleX * x + m_offsetX, m_scaleY * y + m_offsetY);
    };
    bool joined = false;
    QPointF previousExit;
    for (const Column& column : m_columns) {
        QPointF entry = devicePoint(column.firstX, column.firstY);
        QPointF exit = devicePoint(column.lastX, column.lastY);
        if (column.holdsSeveral()) {
            const double middle = column.column + 0.5;
            entry.setX(middle);
            exit.setX(middle);
            rasterizeSegment(QPointF(middle, m_scaleY * column.minY + m_offsetY),
                             QPointF(middle, m_scaleY * column.maxY + m_offsetY));
        }
        if (joined) {
            rasterizeSegment(previousExit, entry);
        }
        previousExit = exit;
        joined = true;
    }
    paintSpans();
}

// The pen's half width in device pixels and its cap; empty spans for the device columns the
// line can reach (inside the clip). False when there are none.
bool LineReduction::prepareSpans()
{
    const QPen pen = m_painter.pen();
    const QTransform device = m_painter.combinedTransform();
    const double scale = pen.isCosmetic() ? 1.0 : (std::abs(device.m11()) + std::abs(device.m22())) / 2.0;
    m_halfWidth = std::max(pen.widthF(), pen.isCosmetic() ? 1.0 : 0.0) * scale / 2.0;
    m_cap = pen.capStyle();

    const auto [lowest, highest] = std::minmax_element(
        m_columns.cbegin(), m_columns.cend(), [](const Column& a, const Column& b) { return a.column < b.column; });
    const double reach = std::ceil(m_halfWidth) + 1.0;
    double first = std::max(lowest->column - reach, -deviceLimit);
    double last = std::min(highest->column + reach, deviceLimit);
    if (m_painter.hasClipping()) {
        const QRectF clip = device.mapRect(m_painter.clipBoundingRect());
        first = std::max(first, std::floor(clip.left()));
        last = std::min(last, std::ceil(clip.right()));
    }
    if (first > last) {
        return false;
    }
    m_firstSpan = first;
    m_spans.assign(static_cast<std::size_t>(last - first) + 1, Span{infinity, -infinity});
    return true;
}

// Widens the spans of the device columns whose middle the stroked segment covers: a rectangle
// of the pen's width along the segment, longer by half the width at each end for a square cap,
// with a disc at each end for a round cap.
void LineReduction::rasterizeSegment(QPointF from, QPointF to)
{
    const double length = std::sqrt((to.x() - from.x()) * (to.x() - from.x()) + (to.y() - from.y()) * (to.y() - from.y()));
    if (length == 0.0) {
        if (m_cap != Qt::FlatCap) {
            rasterizeDot(from);
        }
        return;
    }
    const QPointF along((to.x() - from.x()) / length * m_halfWidth, (to.y() - from.y()) / length * m_halfWidth);
    if (m_cap == Qt::SquareCap) {
        from -= along;
        to += along;
    }
    const QPointF across(-along.y(), along.x());
    const QPointF corners[4] = {from + across, to + across, to - across, from - across};
    const auto [left, right] = std::minmax({corners[0].x(), corners[1].x(), corners[2].x(), corners[3].x()});
    const double firstColumn = std::max(std::ceil(left - 0.5), m_firstSpan);
    const double lastColumn = std::min(std::ceil(right - 0.5) - 1.0, m_firstSpan + double(m_spans.size()) - 1.0);
    for (double column = firstColumn; column <= lastColumn; ++column) {
        const double middle = column + 0.5;
        double top = infinity;
        double bottom = -infinity;
        for (int i = 0; i < 4; ++i) {
            const QPointF& a = corners[i];
            const QPointF& b = corners[(i + 1) % 4];
            if ((a.x() - middle) * (b.x() - middle) > 0.0) {
                continue;
            }
            const bool upright = a.x() == b.x();
            const double y = upright ? a.y() : a.y() + (middle - a.x()) * (b.y() - a.y()) / (b.x() - a.x());
            top = std::min({top, y, upright ? b.y() : y});
            bottom = std::max({bottom, y, upright ? b.y() : y});
        }
        coverColumn(column, top, bottom);
    }
    if (m_cap == Qt::RoundCap) {
        rasterizeDot(from);
        rasterizeDot(to);
    }
}

// A square of the pen's width, or a disc for a round cap, around the point.
void LineReduction::rasterizeDot(QPointF point)
{
    const double firstColumn = std::max(std::ceil(point.x() - m_halfWidth - 0.5), m_firstSpan);
    const double lastColumn =
        std::min(std::ceil(point.x() + m_halfWidth - 0.5) - 1.0, m_firstSpan + double(m_spans.size()) - 1.0);
    for (double column = firstColumn; column <= lastColumn; ++column) {
        const double dx = column + 0.5 - point.x();
        const double reach = m_cap == Qt::RoundCap ? std::sqrt(std::max(0.0, m_halfWidth * m_halfWidth - dx * dx))
                                                   : m_halfWidth;
        coverColumn(column, point.y() - reach, point.y() + reach);
    }
}

void LineReduction::coverColumn(double column, double top, double bottom)
{
    if (!(top <= bottom)) {
        return;
    }
    Span& span = m_spans[static_cast<std::size_t>(column - m_firstSpan)];
    span.top = std::min(span.top, top);
    span.bottom = std::max(span.bottom, bottom);
}

// The device pixels the spans may paint: their columns and rows, inside the window and the clip.
QRect LineReduction::spanArea() const
{
    double top = infinity;
    double bottom = -infinity;
    for (const Span& span : m_spans) {
        top = std::min(top, span.top);
        bottom = std::max(bottom, span.bottom);
    }
    top = std::floor(std::max(top, -deviceLimit));
    bottom = std::ceil(std::min(bottom, deviceLimit));
    if (!(top < bottom)) {
        return QRect();
    }
    // Inside the painter's window (a bound at least as large as the device) and its clip.
    const QTransform device = m_painter.combinedTransform();
    QRectF area = QRectF(m_firstSpan, top, double(m_spans.size()), bottom - top)
                      .intersected(device.mapRect(QRectF(m_painter.window())));
    if (m_painter.hasClipping()) {
        area = area.intersected(device.mapRect(m_painter.clipBoundingRect()));
    }
    return area.toAlignedRect().intersected(QRect(checkedInteger<int>(m_firstSpan), checkedInteger<int>(top),
                                                  static_cast<int>(m_spans.size()),
                                                  checkedInteger<int>(bottom - top)));
}

// Writes the spans into the canvas, whose top-left pixel stands for the area's (with colour 0
// it clears them again), and answers the device pixels written.
QRect LineReduction::writeSpans(QRgb color, const QRect& area)
{
    uchar* const bits = m_canvas.bits();
    const qsizetype stride = m_canvas.bytesPerLine();
    int left = area.right() + 1;
    int right = area.left() - 1;
    for (std::size_t i = 0; i < m_spans.size(); ++i) {
        const int column = checkedInteger<int>(m_firstSpan + double(i));
        const double top = std::max(m_spans[i].top, double(area.top()));
        const double bottom = std::min(m_spans[i].bottom, double(area.bottom() + 1));
        if (column < area.left() || column > area.right() || !(top < bottom)) {
            continue;
        }
        const int topRow = checkedInteger<int>(std::floor(top));
        const int bottomRow = std::min(checkedInteger<int>(std::floor(bottom)), area.bottom());
        uchar* pixel = bits + stride * (topRow - area.top()) + sizeof(quint32) * (column - area.left());
        const auto put = [&pixel, stride](quint32 value) {
            *reinterpret_cast<quint32*>(pixel) = value;
            pixel += stride;
        };
        if (topRow == bottomRow) {
            put(color == 0 ? 0 : coveredPixel(color, bottom - top));
        } else {
            put(color == 0 ? 0 : coveredPixel(color, topRow + 1.0 - top));
            for (int row = topRow + 1; row < bottomRow; ++row) {
                put(color);
            }
            put(color == 0 ? 0 : coveredPixel(color, bottom - bottomRow));
        }
        left = std::min(left, column);
        right = std::max(right, column);
    }
    return left <= right ? QRect(left, area.top(), right - left + 1, area.height()) : QRect();
}

// The spans drawn through the canvas, in device pixels, which leaves the canvas transparent.
void LineReduction::paintSpans()
{
    const QRect area = spanArea();
    if (area.isEmpty()) {
        return;
    }
    if (m_canvas.width() < area.width() || m_canvas.height() < area.height()) {
        m_canvas = QImage(std::max(m_canvas.width(), area.width()), std::max(m_canvas.height(), area.height()),
                          QImage::Format_ARGB32_Premultiplied);
        if (m_canvas.isNull()) {
            return;
        }
        m_canvas.fill(Qt::transparent);
    }
    const QRect written = writeSpans(qPremultiply(m_painter.pen().color().rgba()), area);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setWorldTransform(m_painter.combinedTransform().inverted() * m_painter.worldTransform());
    m_painter.drawImage(written.topLeft(), m_canvas, written.translated(-area.topLeft()));
    m_painter.restore();
    writeSpans(0, area);
}

}
