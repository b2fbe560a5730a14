#include "ChartEngine/foundation/CoverageMask.h"

#include <QColor>
#include <QImage>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Charts {

namespace {

constexpr int noStep = std::numeric_limits<int>::max();

// Qt's rasterizer takes a point to the nearest 64th of a pixel; thin slivers (a mitred corner's
// tip) come out a few levels apart without that.
QPointF onRasterGrid(QPointF point)
{
    return QPointF(std::round(point.x() * 64.0) / 64.0, std::round(point.y() * 64.0) / 64.0);
}

}

CoverageMask::CoverageMask(const QRect& area, Sampling sampling, Shading shading)
    : m_area(area.normalized())
    , m_sampling(sampling)
    , m_shadingBy(shading)
    , m_stride(qsizetype(m_area.width()) + 2)
    , m_steps(size_t(m_stride) * size_t(m_area.height()), 0.0)
    , m_firstStep(size_t(m_area.height()), noStep)
    , m_lastStep(size_t(m_area.height()), -1)
    , m_stepsAt(size_t(m_area.height()))
    , m_clearance(size_t(m_area.width()) * size_t(m_area.height()), 1.0)
{
}

inline void CoverageMask::noteSteps(int y, int first, int last)
{
    m_firstStep[size_t(y)] = std::min(m_firstStep[size_t(y)], first);
    m_lastStep[size_t(y)] = std::max(m_lastStep[size_t(y)], last);
    if (m_shadingBy == Shading::byPixel) {
        return;
    }
    // Beyond a few, the row is walked pixel by pixel: the places are no longer needed.
    std::vector<int>& stepsAt = m_stepsAt[size_t(y)];
    for (int x = first; x <= last && stepsAt.size() <= fewSteps; ++x) {
        stepsAt.push_back(x);
    }
}

void CoverageMask::addPolygon(const QPolygonF& points)
{
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF from = onRasterGrid(points.at(i));
        const QPointF to = onRasterGrid(points.at((i + 1) % points.size()));
        if (m_sampling == Sampling::aliased) {
            addAliasedEdge(from, to);
        } else {
            addEdge(from, to);
        }
    }
}

// The edge is cut where it crosses the area's left and right sides, and the parts beyond them
// are moved onto them: a part on the left side still adds its rows' winding to every pixel of
// the rows, one on the right side adds to no pixel.
void CoverageMask::addEdge(QPointF from, QPointF to)
{
    const double top = m_area.top();
    const double bottom = top + m_area.height();
    if (from.y() == to.y() || std::max(from.y(), to.y()) <= top
        || std::min(from.y(), to.y()) >= bottom) {
        return;
    }
    const double left = m_area.left();
    const double right = left + m_area.width();
    double cuts[2];
    int cutCount = 0;
    for (const double side : {left, right}) {
        if ((from.x() < side) != (to.x() < side) && from.x() != side && to.x() != side) {
            cuts[cutCount++] = (side - from.x()) / (to.x() - from.x());
        }
    }
    if (cutCount == 2 && cuts[0] > cuts[1]) {
        std::swap(cuts[0], cuts[1]);
    }
    const auto within = [&](QPointF point) {
        return QPointF(std::clamp(point.x(), left, right) - left, point.y() - top);
    };
    QPointF start = from;
    for (int i = 0; i <= cutCount; ++i) {
        const QPointF end = i < cutCount ? from + cuts[i] * (to - from) : to;
        addEdgeWithin(within(start), within(end));
        start = end;
    }
}

// `from` and `to` in the area's own pixels, x within its width.
void CoverageMask::addEdgeWithin(QPointF from, QPointF to)
{
    if (from.y() == to.y()) {
        return;
    }
    // Taken downward; an edge that goes up takes away what it sweeps.
    const double direction = from.y() < to.y() ? 1.0 : -1.0;
    if (direction < 0.0) {
        std::swap(from, to);
    }
    const double slope = (to.x() - from.x()) / (to.y() - from.y());
    const double width = m_area.width();
    // Between the ends, but for the rounding of a far end.
    const auto xAt = [&](double y) {
        return std::clamp(from.x() + (y - from.y()) * slope, 0.0, width);
    };
    const double rows = m_area.height();
    const int firstRow = int(std::floor(std::clamp(from.y(), 0.0, rows)));
    const int endRow = int(std::ceil(std::clamp(to.y(), 0.0, rows)));
    if (firstRow < endRow) {
        m_layerRows = {std::min(m_layerRows.first, firstRow), std::max(m_layerRows.second, endRow - 1)};
    }
    for (int y = firstRow; y < endRow; ++y) {
        const double enter = std::max(double(y), from.y());
        const double leave = std::min(y + 1.0, to.y());
        const double enterX = xAt(enter);
        const double leaveX = xAt(leave);
        addRowPart(y, std::min(enterX, leaveX), std::max(enterX, leaveX),
                   (leave - enter) * direction);
    }
}

// The part of an edge within one row, from x `left` to x `right`, of signed `height`: a pixel
// wholly right of it gains the height, one it crosses the share of the height that lies left of
// the pixel's right side, weighted by how much of the pixel lies right of the edge.
void CoverageMask::addRowPart(int y, double left, double right, double height)
{
    const double leftFloor = std::floor(left);
    const int first = int(leftFloor);
    const int end = int(std::ceil(right));
    double* row = &m_steps[size_t(y) * size_t(m_stride)];
    noteSteps(y, first, std::max(end, first + 1));
    if (end <= first + 1) {
        // Within one pixel: it is covered right of the part's mean x.
        const double mean = (left + right) / 2.0 - leftFloor;
        row[first] += height * (1.0 - mean);
        row[first + 1] += height * mean;
        return;
    }
    // Across pixels, the height spreads evenly over the width.
    const double perPixel = 1.0 / (right - left);
    const double leftFraction = left - leftFloor;
    const double firstShare = 0.5 * perPixel * (1.0 - leftFraction) * (1.0 - leftFraction);
    const double rightFraction = right - (end - 1);
    const double lastShare = 0.5 * perPixel * rightFraction * rightFraction;
    row[first] += height * firstShare;
    if (end == first + 2) {
        row[first + 1] += height * (1.0 - firstShare - lastShare);
    } else {
        const double secondShare = perPixel * (1.5 - leftFraction);
        row[first + 1] += height * (secondShare - firstShare);
        for (int x = first + 2; x < end - 1; ++x) {
            row[x] += height * perPixel;
        }
        const double beforeLast = secondShare + (end - first - 3) * perPixel;
        row[end - 1] += height * (1.0 - beforeLast - lastShare);
    }
    row[end] += height * lastShare;
}

// The rows are those whose centre line lies below the edge's upper end and not below its lower
// end; in each, the first pixel whose centre lies right of where the edge meets that line.
void CoverageMask::addAliasedEdge(QPointF from, QPointF to)
{
    if (from.y() == to.y()) {
        return;
    }
    const double direction = from.y() < to.y() ? 1.0 : -1.0;
    if (direction < 0.0) {
        std::swap(from, to);
    }
    // The area's corner is whole pixels away: the fixed-point steps stay as they were.
    const QPointF corner = m_area.topLeft();
    from -= corner;
    to -= corner;
    const auto rowAfter = [this](double y) {
        return int(std::clamp(std::floor(y - 0.5) + 1.0, 0.0, double(m_area.height())));
    };
    const int firstRow = rowAfter(from.y());
    const int endRow = rowAfter(to.y());
    if (firstRow >= endRow) {
        return;
    }
    // From the edge's upper end down to the first row's centre line, then a row at a time.
    const auto slope = qint64((to.x() - from.x()) / (to.y() - from.y()) * 65536.0);
    const qint64 down = std::llround((firstRow + 0.5 - from.y()) * 64.0);
    qint64 x = std::llround(from.x() * 65536.0) + slope * down / 64;
    const qint64 width = m_area.width();
    m_layerRows = {std::min(m_layerRows.first, firstRow), std::max(m_layerRows.second, endRow - 1)};
    for (int y = firstRow; y < endRow; ++y, x += slope) {
        // The first pixel whose centre, half a pixel into it, lies right of x.
        const int pixel = int(std::clamp(((x - 32768) >> 16) + 1, qint64(0), width));
        m_steps[size_t(y) * size_t(m_stride) + size_t(pixel)] += direction;
        noteSteps(y, pixel, pixel);
    }
}

namespace {

// In whole levels, as a raster engine blends.
double coverageByRule(double winding, Qt::FillRule rule)
{
    const double magnitude = std::abs(winding);
    double coverage = std::min(magnitude, 1.0);
    if (rule == Qt::OddEvenFill) {
        const double folded = std::fmod(magnitude, 2.0);
        coverage = folded > 1.0 ? 2.0 - folded : folded;
    }
    // Halves up, as std::round takes a coverage (never below 0), without its call a pixel.
    return int(coverage * 255.0 + 0.5) / 255.0;
}

}

void CoverageMask::addLayer(Qt::FillRule rule, double alpha)
{
    // Aliased, the winding is a whole number and a pixel wholly covered or not at all.
    const bool aliased = m_sampling == Sampling::aliased;
    // What the layer leaves showing of a pixel of `winding`.
    const auto through = [&](double winding) {
        if (aliased) {
            const bool inside = rule == Qt::WindingFill || qint64(winding) % 2 != 0;
            return inside ? 1.0 - alpha : 1.0;
        }
        return 1.0 - alpha * coverageByRule(winding, rule);
    };
    for (int y = m_layerRows.first; y <= m_layerRows.second; ++y) {
        const int first = m_firstStep[size_t(y)];
        const int last = m_lastStep[size_t(y)];
        std::vector<int>& stepsAt = m_stepsAt[size_t(y)];
        if (first <= last) {
            // A row of a few steps far apart (a band across a view) is shaded run by run.
            if (m_shadingBy == Shading::byRun && stepsAt.size() <= fewSteps
                && last - first > 4 * int(stepsAt.size())) {
                shadeRuns(y, stepsAt, through);
            } else {
                shadePixels(y, first, last, through);
            }
        }
        stepsAt.clear();
        m_firstStep[size_t(y)] = noStep;
        m_lastStep[size_t(y)] = -1;
    }
    m_layerRows = noRows;
}

// Left of the first step and right of the last the winding is 0.
template <typename Through>
void CoverageMask::shadePixels(int y, int first, int last, const Through& through)
{
    const int width = m_area.width();
    double* steps = &m_steps[size_t(y) * size_t(m_stride)];
    double* clearance = &m_clearance[size_t(y) * size_t(width)];
    double winding = 0.0;
    for (int x = first; x <= last; ++x) {
        winding += steps[x];
        steps[x] = 0.0;
        // A pixel of no winding is not covered.
        if (x < width && winding != 0.0) {
            clearance[x] *= through(winding);
        }
    }
}

// From one step to the next the winding holds: a pixel alone is shaded by itself, a run of them at
// once, by the logarithm of what shows through it (held above that of a millionth, less than a
// level, so that it can be taken away at the run's end).
template <typename Through>
void CoverageMask::shadeRuns(int y, std::vector<int>& stepsAt, const Through& through)
{
    const int width = m_area.width();
    double* steps = &m_steps[size_t(y) * size_t(m_stride)];
    double* clearance = &m_clearance[size_t(y) * size_t(width)];
    // Made for the first run, as most masks have none.
    m_shading.resize(m_steps.size(), 0.0);
    double* shading = &m_shading[size_t(y) * size_t(m_stride)];
    std::sort(stepsAt.begin(), stepsAt.end());
    stepsAt.erase(std::unique(stepsAt.begin(), stepsAt.end()), stepsAt.end());
    double winding = 0.0;
    for (size_t i = 0; i < stepsAt.size(); ++i) {
        const int x = stepsAt[i];
        winding += steps[x];
        steps[x] = 0.0;
        if (x >= width || winding == 0.0) {
            continue;
        }
        const int end = std::min(i + 1 < stepsAt.size() ? stepsAt[i + 1] : x + 1, width);
        if (end == x + 1) {
            clearance[x] *= through(winding);
        } else {
            const double logThrough = std::log(std::max(through(winding), 1e-6));
            shading[x] += logThrough;
            shading[end] -= logThrough;
        }
    }
}

QImage CoverageMask::image(const QColor& color) const
{
    // The ink at each level of opacity.
    QRgb inks[256];
    for (int alpha = 0; alpha < 256; ++alpha) {
        inks[alpha] = qPremultiply(qRgba(color.red(), color.green(), color.blue(), alpha));
    }
    QImage image(m_area.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < m_area.height(); ++y) {
        const double* clearance = &m_clearance[size_t(y) * size_t(m_area.width())];
        const double* shading = m_shading.empty() ? nullptr : &m_shading[size_t(y) * size_t(m_stride)];
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        // What shows through a pixel: what the layers shaded pixel by pixel left, times what those
        // shaded run by run left (the sum of the shading's logarithms up to it).
        double logThrough = 0.0;
        double runsThrough = 1.0;
        for (int x = 0; x < m_area.width(); ++x) {
            if (shading && shading[x] != 0.0) {
                logThrough += shading[x];
                runsThrough = logThrough < 0.0 ? std::exp(logThrough) : 1.0;
            }
            pixels[x] = inks[int((1.0 - clearance[x] * runsThrough) * 255.0 + 0.5)];
        }
    }
    return image;
}

}
