#include "ChartEngine/foundation/DataApproximator.h"

#include <cmath>
#include <utility>
#include <vector>

namespace Charts {

namespace {

// The squared plain distance between two points.
double squaredDistance(const QPointF& from, const QPointF& to)
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    return dx * dx + dy * dy;
}

// The line through two points as the tolerance form measures it:
// |dy·px − dx·py + sx·ey − ex·sy| / length, with dx = sx − ex and dy = sy − ey.
//
// A measure gives each point a key that grows with its distance (the absolute numerator) and
// turns a key into the distance (the division). When the two ends coincide, or lie so close that
// the length squares to 0, the distance is the plain distance to that end rather than a
// division by zero.
class Line {
public:
    Line(const QPointF& start, const QPointF& end)
        : m_start(start),
          m_sxey(start.x() * end.y()),
          m_exsy(end.x() * start.y()),
          m_dx(start.x() - end.x()),
          m_dy(start.y() - end.y()),
          m_length(std::sqrt(m_dx * m_dx + m_dy * m_dy))
    {
    }

    double key(const QPointF& point) const
    {
        if (m_length == 0) {
            return squaredDistance(m_start, point);
        }
        return std::abs(m_dy * point.x() - m_dx * point.y() + m_sxey - m_exsy);
    }

    double distance(double key) const { return m_length == 0 ? std::sqrt(key) : key / m_length; }

private:
    QPointF m_start;
    double m_sxey;
    double m_exsy;
    double m_dx;
    double m_dy;
    double m_length;
};

// The same line as the count form measures it:
// |(ey − sy)·px − (ex − sx)·py + ex·sy − ey·sx| / sqrt((ex − sx)² + (ey − sy)²).
class CountLine {
public:
    CountLine(const QPointF& start, const QPointF& end)
        : m_start(start),
          m_end(end),
          m_length(std::sqrt((end.x() - start.x()) * (end.x() - start.x())
                             + (end.y() - start.y()) * (end.y() - start.y())))
    {
    }

    double key(const QPointF& p) const
    {
        if (m_length == 0) {
            return squaredDistance(m_start, p);
        }
        const QPointF& s = m_start;
        const QPointF& e = m_end;
        return std::abs((e.y() - s.y()) * p.x() - (e.x() - s.x()) * p.y() + e.x() * s.y()
                        - e.y() * s.x());
    }

    double distance(double key) const { return m_length == 0 ? std::sqrt(key) : key / m_length; }

private:
    QPointF m_start;
    QPointF m_end;
    double m_length;
};

// The farthest point strictly between start and end, the first of equal ones (a later point
// replaces it only when strictly farther). Index 0 means that no point lies farther than 0, or
// none lies between: the segment has no split point.
struct Split {
    double distance = 0;
    qsizetype index = 0;
};

template<typename Measure>
Split farthestBetween(std::span<const QPointF> points, qsizetype start, qsizetype end,
                      const Measure& measure)
{
    // The distance never falls as the key grows, so a point whose key is not above every
    // earlier key cannot be strictly farther: only the others pay for the division.
    Split split;
    double greatestKey = 0;
    for (qsizetype i = start + 1; i < end; ++i) {
        const double key = measure.key(points[static_cast<size_t>(i)]);
        if (key > greatestKey) {
            greatestKey = key;
            const double distance = measure.distance(key);
            if (distance > split.distance) {
                split = {distance, i};
            }
        }
    }
    return split;
}

// An open segment of the count form, with its split point. Segments order by distance alone;
// two are the same segment when start, end and index agree.
struct LineAlt {
    qsizetype start = 0;
    qsizetype end = 0;
    double distance = 0;
    qsizetype index = 0;

    LineAlt(qsizetype start, qsizetype end, std::span<const QPointF> points)
        : start(start), end(end)
    {
        if (end <= start + 1) {
            return;
        }
        const CountLine line(points[static_cast<size_t>(start)], points[static_cast<size_t>(end)]);
        const Split split = farthestBetween(points, start, end, line);
        distance = split.distance;
        index = split.index;
    }

    bool sameSegment(const LineAlt& other) const
    {
        return start == other.start && end == other.end && index == other.index;
    }
};

// Inserts by binary search so that the queue stays in ascending distance; a line that ties
// with queued ones goes after them and so is taken before them.
void insertSorted(std::vector<LineAlt>& queue, const LineAlt& line)
{
    size_t lo = 0;
    size_t hi = queue.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (line.sameSegment(queue[mid])) {
            lo = mid;
            break;
        }
        if (line.distance < queue[mid].distance) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    queue.insert(queue.begin() + static_cast<std::ptrdiff_t>(lo), line);
}

QList<QPointF> flagged(std::span<const QPointF> points, const std::vector<bool>& keep)
{
    QList<QPointF> result;
    for (size_t i = 0; i < points.size(); ++i) {
        if (keep[i]) {
            result.append(points[i]);
        }
    }
    return result;
}

QList<QPointF> unchanged(std::span<const QPointF> points)
{
    return QList<QPointF>(points.begin(), points.end());
}

}

QList<QPointF> DataApproximator::reduceWithDouglasPeuker(std::span<const QPointF> points,
                                                         double tolerance)
{
    if (tolerance <= 0 || points.size() < 3) {
        return unchanged(points);
    }
    const auto last = static_cast<qsizetype>(points.size()) - 1;
    std::vector<bool> keep(points.size(), false);
    keep.front() = true;
    keep.back() = true;

    // A work stack in place of recursion, taking the left part before the right one, so a long
    // series cannot exhaust the call stack.
    std::vector<std::pair<qsizetype, qsizetype>> work{{0, last}};
    while (!work.empty()) {
        const auto [start, end] = work.back();
        work.pop_back();
        if (end <= start + 1) {
            continue;
        }
        const Line line(points[static_cast<size_t>(start)], points[static_cast<size_t>(end)]);
        const Split split = farthestBetween(points, start, end, line);
        if (split.distance > tolerance) {
            keep[static_cast<size_t>(split.index)] = true;
            work.emplace_back(split.index, end);
            work.emplace_back(start, split.index);
        }
    }
    return flagged(points, keep);
}

QList<QPointF> DataApproximator::reduceWithDouglasPeukerN(std::span<const QPointF> points,
                                                          qint64 resultCount)
{
    if (resultCount <= 2 || resultCount >= static_cast<qint64>(points.size())) {
        return unchanged(points);
    }
    const auto last = static_cast<qsizetype>(points.size()) - 1;
    std::vector<bool> keep(points.size(), false);
    keep.front() = true;
    keep.back() = true;
    qint64 stored = 2;

    std::vector<LineAlt> queue{LineAlt(0, last, points)};
    while (!queue.empty()) {
        const LineAlt line = queue.back();
        queue.pop_back();
        // Every removal counts, even one that flags a point already kept.
        keep[static_cast<size_t>(line.index)] = true;
        if (++stored == resultCount) {
            break;
        }
        const LineAlt left(line.start, line.index, points);
        if (left.index > 0) {
            insertSorted(queue, left);
        }
        const LineAlt right(line.index, line.end, points);
        if (right.index > 0) {
            insertSorted(queue, right);
        }
    }
    return flagged(points, keep);
}

}
