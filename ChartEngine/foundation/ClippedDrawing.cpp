#include "ChartEngine/foundation/ClippedDrawing.h"

#include "ChartEngine/foundation/CoverageMask.h"

#include <QBrush>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace Charts {

namespace {

// Exact comparison (QPointF's own is fuzzy).
bool isExactly(QPointF point, double x, double y)
{
    return point.x() == x && point.y() == y;
}

bool isFinitePoint(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

// Where `line` crosses the side of `rect` (0 left, 1 right, 2 top, 3 bottom), held to the side:
// reckoned from the line's end nearer the side, as a far end's coordinates (1e300) would swamp
// the crossing's.
QPointF crossing(const QLineF& line, const QRectF& rect, int side)
{
    const bool vertical = side < 2;
    const double at = std::array{rect.left(), rect.right(), rect.top(), rect.bottom()}[size_t(side)];
    const auto along = [&](QPointF p) { return vertical ? p.x() : p.y(); };
    const QPointF near = std::abs(along(line.p1()) - at) <= std::abs(along(line.p2()) - at) ? line.p1() : line.p2();
    if (vertical) {
        const double y = near.y() + (at - near.x()) * (line.dy() / line.dx());
        return QPointF(at, std::clamp(y, rect.top(), rect.bottom()));
    }
    const double x = near.x() + (at - near.y()) * (line.dx() / line.dy());
    return QPointF(std::clamp(x, rect.left(), rect.right()), at);
}

// Where the line from `from` to `to` enters and leaves `rect`, each as a side (0 left, 1 right,
// 2 top, 3 bottom; -1 where that end lies inside it), or none where it misses the rectangle (or is
// not finite).
std::optional<std::pair<int, int>> sidesCrossed(QPointF from, QPointF to, const QRectF& rect)
{
    const QPointF step = to - from;
    double enter = 0.0;
    double leave = 1.0;
    std::pair<int, int> crossed(-1, -1);
    // Each side of the rectangle as (p, q): the line is inside that side where p * t <= q.
    const std::pair<double, double> sides[] = {{-step.x(), from.x() - rect.left()},
                                               {step.x(), rect.right() - from.x()},
                                               {-step.y(), from.y() - rect.top()},
                                               {step.y(), rect.bottom() - from.y()}};
    for (int side = 0; side < 4; ++side) {
        const auto [p, q] = sides[side];
        if (!std::isfinite(p) || !std::isfinite(q)) {
            return std::nullopt;
        }
        if (p == 0.0) {
            if (q < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q / p;
        if (p < 0.0 && t > enter) {
            enter = t;
            crossed.first = side;
        } else if (p > 0.0 && t < leave) {
            leave = t;
            crossed.second = side;
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    return crossed;
}

}

std::optional<QLineF> clippedLine(const QLineF& line, const QRectF& rect)
{
    // Reckoned from the end nearer the rectangle: along a line from 1e300 points away, the
    // parameters reckoned from the far end have no digits left to tell its sides apart.
    const auto farness = [&](QPointF p) {
        return std::max(std::abs(p.x() - rect.center().x()), std::abs(p.y() - rect.center().y()));
    };
    const bool fromEnd = farness(line.p2()) < farness(line.p1());
    auto crossed = fromEnd ? sidesCrossed(line.p2(), line.p1(), rect) : sidesCrossed(line.p1(), line.p2(), rect);
    if (!crossed) {
        return std::nullopt;
    }
    if (fromEnd) {
        std::swap(crossed->first, crossed->second);
    }
    const QPointF from = crossed->first < 0 ? line.p1() : crossing(line, rect, crossed->first);
    const QPointF to = crossed->second < 0 ? line.p2() : crossing(line, rect, crossed->second);
    return QLineF(from, to);
}

namespace {

// What a pen of `width` reaches beyond a line: half its width times its mitre limit, and a point
// for the antialiasing.
double reachOf(double width, double miterLimit)
{
    return std::max(width, 1.0) * std::max(miterLimit, 1.0) / 2 + 1;
}

double penReach(const QPen& pen)
{
    return reachOf(pen.widthF(), pen.miterLimit());
}

// `bounds` widened by what the painter's pen reaches beyond a line.
QRectF penReachArea(const QPainter& painter, const QRectF& bounds)
{
    const double reach = penReach(painter.pen());
    return bounds.adjusted(-reach, -reach, reach, reach);
}

double diagonal(const QRectF& bounds)
{
    return std::hypot(bounds.width(), bounds.height());
}

// Whether Qt strokes with the painter's pen by filling the pen's outline: a pen wider than a
// device pixel that is not cosmetic (a thinner one it draws as a thin line).
bool isStrokedAsOutline(const QPainter& painter)
{
    const QPen& pen = painter.pen();
    return pen.style() != Qt::NoPen && !pen.isCosmetic()
        && pen.widthF() * painter.deviceTransform().m11() > 1.0;
}

// Whether Qt strokes what lies within the bounds widened by the pen's reach in time: a thin line,
// or a pen that reaches no farther than the view's diagonal. Qt fills a wider pen's outline over
// its whole extent, seen or not: a line 10,000 points wide passing the view took it a second.
bool penShows(const QPainter& painter, const QRectF& bounds)
{
    return !isStrokedAsOutline(painter) || penReach(painter.pen()) <= diagonal(bounds) + 1.0;
}

// How far the point of `extent` farthest from `bounds` lies from them.
double farthest(const QRectF& extent, const QRectF& bounds)
{
    double far = 0.0;
    for (const QPointF corner : {extent.topLeft(), extent.topRight(), extent.bottomLeft(), extent.bottomRight()}) {
        const double dx = std::max({bounds.left() - corner.x(), 0.0, corner.x() - bounds.right()});
        const double dy = std::max({bounds.top() - corner.y(), 0.0, corner.y() - bounds.bottom()});
        far = std::max(far, std::hypot(dx, dy));
    }
    return far;
}

// `pen` for lines within `extent`, its half width held to what can show within `bounds`: as far
// as the farthest point of the extent lies from them and their diagonal beyond. Every point of
// the bounds then lies within the half width of every point of the lines, so that a wider pen
// inks there what the held one inks (but where a join beyond the mitre limit is cut off, nearer
// its corner the narrower the pen). Its dashes keep their lengths in points.
QPen heldPen(QPen pen, const QRectF& extent, const QRectF& bounds)
{
    const double held = 2.0 * (farthest(extent, bounds) + diagonal(bounds) + 1.0);
    if (!(pen.widthF() > held)) {
        return pen;
    }
    if (pen.style() != Qt::SolidLine) {
        // Qt counts dashes and their offset in pen widths.
        const double scale = pen.widthF() / held;
        QList<qreal> pattern = pen.dashPattern();
        for (qreal& length : pattern) {
            length *= scale;
        }
        const double offset = pen.dashOffset() * scale;
        pen.setDashPattern(pattern);
        pen.setDashOffset(offset);
    }
    pen.setWidthF(held);
    return pen;
}

// Adds the cubic curve from `from` (the polygon's last point) through `c1` and `c2` to `to` to
// `polygon`: as its chord where its control points lie beyond `area` (what lies between the two
// lies beyond it too), else halved until each part is flat to a 128th of a point or lies beyond
// the area. A halving halves each part, so that a curve 1e300 points long is down to parts of a
// point within a thousand halvings, each keeping only the few parts that reach the area.
void addCurve(QPolygonF& polygon, QPointF from, QPointF c1, QPointF c2, QPointF to, const QRectF& area,
              int halvings = 0)
{
    constexpr double flatness = 1.0 / 128;
    const QRectF hull = QPolygonF({from, c1, c2, to}).boundingRect();
    const QLineF chord(from, to);
    const auto off = [&](QPointF p) {
        const double length = chord.length();
        const QPointF d = p - from;
        return length > 0.0 ? std::abs(d.x() * chord.dy() - d.y() * chord.dx()) / length : std::hypot(d.x(), d.y());
    };
    const bool beyond = hull.right() < area.left() || hull.left() > area.right() || hull.bottom() < area.top()
        || hull.top() > area.bottom();
    const bool flat = off(c1) <= flatness && off(c2) <= flatness;
    if (beyond || flat || halvings >= 1100 || !isFinitePoint(hull.center())) {
        polygon << to;
        return;
    }
    const QPointF a = (from + c1) / 2;
    const QPointF b = (c1 + c2) / 2;
    const QPointF c = (c2 + to) / 2;
    const QPointF ab = (a + b) / 2;
    const QPointF bc = (b + c) / 2;
    const QPointF middle = (ab + bc) / 2;
    addCurve(polygon, from, a, ab, middle, area, halvings + 1);
    addCurve(polygon, middle, bc, c, to, area, halvings + 1);
}

// The subpaths of `path` as polygons, its curves flattened near `area` (addCurve): Qt's own
// flattening strays up to half a point from a long curve, and hundreds of points from a curve a
// billion points long, where its path intersection strays by dozens.
QList<QPolygonF> flattenedNear(const QPainterPath& path, const QRectF& area)
{
    QList<QPolygonF> polygons;
    QPolygonF polygon;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo()) {
            if (!polygon.isEmpty()) {
                polygons.append(polygon);
            }
            polygon = QPolygonF({element});
        } else if (element.isLineTo()) {
            polygon << element;
        } else {
            // A curve's two control points are followed by its end.
            addCurve(polygon, polygon.constLast(), element, path.elementAt(i + 1), path.elementAt(i + 2), area);
            i += 2;
        }
    }
    if (!polygon.isEmpty()) {
        polygons.append(polygon);
    }
    return polygons;
}

// The runs of the polyline through `points` that lie inside `area`, each of two points or more: a
// point that is not a number (NaN or infinite) cuts the polyline, leaving out its segments to it
// and from it. With `starts`, how far along the polyline each run begins (from the last such
// point).
QList<QList<QPointF>> clippedRuns(const QList<QPointF>& points, const QRectF& area,
                                  QList<double>* starts = nullptr)
{
    QList<QList<QPointF>> runs;
    QList<QPointF> run;
    const auto flush = [&] {
        if (run.size() > 1) {
            runs.append(run);
        }
        run.clear();
    };
    double walked = 0.0;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QLineF segment(points.at(i - 1), points.at(i));
        const auto part = clippedLine(segment, area);
        if (!part) {
            flush();
        } else {
            if (run.isEmpty() || run.constLast() != part->p1()) {
                flush();
                run << part->p1();
                if (starts) {
                    starts->append(walked + QLineF(segment.p1(), part->p1()).length());
                }
            }
            run << part->p2();
        }
        // Beyond a point that is not a number the line starts anew.
        const double length = segment.length();
        walked = std::isfinite(length) ? walked + length : 0.0;
    }
    flush();
    return runs;
}

// The runs of the closed ring through `ring` (its last point its first) that lie inside `area`, as
// clippedRuns gives them, but for a run that comes back to the first point: it goes on with the
// run that leaves it, so that the corner there keeps its join.
QList<QList<QPointF>> ringRuns(const QList<QPointF>& ring, const QRectF& area, QList<double>* starts = nullptr)
{
    QList<double> runStarts;
    QList<QList<QPointF>> runs = clippedRuns(ring, area, &runStarts);
    const QPointF first = ring.constFirst();
    if (runs.size() > 1 && isExactly(runs.constFirst().constFirst(), first.x(), first.y())
        && isExactly(runs.constLast().constLast(), first.x(), first.y())) {
        runs.last().removeLast();
        runs.last().append(runs.takeFirst());
        runStarts.removeFirst();
    }
    if (starts) {
        starts->append(runStarts);
    }
    return runs;
}

// Inside or on the edge; a point that is not a number is not inside.
bool isWithin(const QRectF& area, QPointF point)
{
    return point.x() >= area.left() && point.x() <= area.right() && point.y() >= area.top()
        && point.y() <= area.bottom();
}

bool isWithin(const QRectF& area, const QRectF& rect)
{
    return isWithin(area, rect.topLeft()) && isWithin(area, rect.bottomRight());
}

// A path of fewer elements goes to Qt as it is: Qt is as quick with it as a mask.
constexpr int manyElements = 128;

// Device rows per coverage mask: a mask of a whole view would take tens of megabytes.
constexpr int maskRows = 64;

// Within what a coverage mask takes (and no point that is not a number).
bool isWithinReach(const QPolygonF& polygon)
{
    constexpr double reach = 1e9;
    return std::all_of(polygon.cbegin(), polygon.cend(), [](QPointF p) {
        return std::abs(p.x()) <= reach && std::abs(p.y()) <= reach;
    });
}

// Where the painter's own transform puts `device` (a device pixel) when only the device's
// scale, and a widget's offset within its window, lie beneath it; none where that is not exact.
std::optional<QPointF> placeOnDevice(const QTransform& beneath, QPoint device)
{
    const double scale = beneath.m11();
    if (beneath.type() > QTransform::TxScale || !(scale > 0.0) || beneath.m22() != scale) {
        return std::nullopt;
    }
    const QPointF place((device.x() - beneath.dx()) / scale, (device.y() - beneath.dy()) / scale);
    const QPointF back = beneath.map(place);
    if (back.x() != device.x() || back.y() != device.y()) {
        return std::nullopt;
    }
    return place;
}

// How the subpaths of a path are inked: as one (fillPath, drawPath), or each on its own
// (drawLines strokes each line alone), and then each perhaps across the view (the outline of a
// line wider than the view, shaded by run: see CoverageMask).
enum class Inking { asOne, eachAlone, eachAloneAcross };

// Whether coverage masks paint as Qt paints with this painter: source-over, on a raster image,
// its transform only scaling and moving.
bool masksPaintAsQt(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && painter.deviceTransform().type() <= QTransform::TxScale;
}

CoverageMask::Sampling maskSampling(const QPainter& painter)
{
    return painter.testRenderHint(QPainter::Antialiasing) ? CoverageMask::Sampling::antialiased
                                                          : CoverageMask::Sampling::aliased;
}

// The part of the closed polygon within `box`, itself a closed polygon, cut side by side: inside
// the box each point is as often within it as it was within the whole, so it is filled alike by
// either rule. A polygon within the box comes back as it is.
QPolygonF cutToBox(QPolygonF polygon, const QRectF& box)
{
    // Each side as the coordinate it bounds, where it lies, and on which side of it is inside.
    const struct {
        bool vertical;
        double at;
        double inward;
    } sides[] = {{true, box.left(), 1.0}, {true, box.right(), -1.0},
                 {false, box.top(), 1.0}, {false, box.bottom(), -1.0}};
    for (const auto& side : sides) {
        const auto along = [&](QPointF p) { return side.vertical ? p.x() : p.y(); };
        const auto inside = [&](QPointF p) { return (along(p) - side.at) * side.inward >= 0.0; };
        QPolygonF kept;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF from = polygon.at(i);
            const QPointF to = polygon.at((i + 1) % polygon.size());
            if (inside(from)) {
                kept << from;
            }
            if (inside(from) != inside(to)) {
                // Reckoned from the end inside, where the crossing is needed exactly.
                const QPointF in = inside(from) ? from : to;
                const QPointF out = inside(from) ? to : from;
                const QPointF crossing = in + (side.at - along(in)) / (along(out) - along(in)) * (out - in);
                kept << (side.vertical ? QPointF(side.at, crossing.y()) : QPointF(crossing.x(), side.at));
            }
        }
        polygon = kept;
    }
    return polygon;
}

// A strip of device rows of a coverage mask, and where a painter whose own transform is reset
// puts it.
struct MaskStrip {
    QRect rows;
    QPointF place;
};

// The strips of `area` (device pixels), or none where one cannot be placed exactly.
std::optional<QList<MaskStrip>> maskStrips(const QTransform& beneath, const QRect& area)
{
    QList<MaskStrip> strips;
    for (int top = area.top(); top <= area.bottom(); top += maskRows) {
        const int height = std::min(maskRows, area.bottom() + 1 - top);
        const QRect rows(area.left(), top, area.width(), height);
        const auto place = placeOnDevice(beneath, rows.topLeft());
        if (!place) {
            return std::nullopt;
        }
        strips.append({rows, *place});
    }
    return strips;
}

// Paints the closed `polygons` (device pixels) by `rule` in `color` of opacity `alpha`, a mask of
// each strip at a time, with the painter's own transform reset.
void paintStrips(QPainter& painter, const QList<MaskStrip>& strips,
                 const QList<QPolygonF>& polygons, Qt::FillRule rule, const QColor& color,
                 double alpha, Inking inking)
{
    const double scale = painter.deviceTransform().m11();
    const CoverageMask::Sampling sampling = maskSampling(painter);
    // A polygon above or below a strip adds nothing to it (a pixel's margin for the rounding).
    QList<std::pair<double, double>> spans;
    for (const QPolygonF& polygon : polygons) {
        const QRectF extent = polygon.boundingRect();
        spans.append({extent.top() - 1.0, extent.bottom() + 1.0});
    }
    for (const MaskStrip& strip : strips) {
        CoverageMask mask(strip.rows, sampling,
                          inking == Inking::eachAloneAcross ? CoverageMask::Shading::byRun
                                                            : CoverageMask::Shading::byPixel);
        for (qsizetype i = 0; i < polygons.size(); ++i) {
            if (spans.at(i).second < strip.rows.top() || spans.at(i).first > strip.rows.bottom() + 1) {
                continue;
            }
            const QPolygonF& polygon = polygons.at(i);
            mask.addPolygon(polygon);
            if (inking != Inking::asOne) {
                mask.addLayer(rule, alpha);
            }
        }
        mask.addLayer(rule, alpha);
        QImage image = mask.image(color);
        image.setDevicePixelRatio(scale);
        painter.drawImage(strip.place, image);
    }
}

// Paints `path` (the painter's coordinates, by its fill rule) in `color` within `bounds` through
// coverage masks and answers true; answers false, having painted nothing, where a mask would not
// paint as Qt paints (see fillClippedPath).
bool paintThroughMasks(QPainter& painter, const QPainterPath& path, const QColor& color,
                       const QRectF& bounds, Inking inking)
{
    if (!masksPaintAsQt(painter)) {
        return false;
    }
    const QTransform toDevice = painter.deviceTransform();
    const double alpha = color.alphaF() * painter.opacity();
    painter.save();
    painter.resetTransform();
    painter.setOpacity(1.0);
    const QTransform beneath = painter.deviceTransform();
    // Beyond the device nothing shows, and a mask there could take gigabytes.
    const QRectF device = beneath.mapRect(
        QRectF(0, 0, painter.device()->width(), painter.device()->height()));
    const QRectF visible = toDevice.mapRect(bounds).intersected(device);
    // A polygon beyond a mask's reach is cut to a box a little larger than what shows (beyond the
    // pixels a strip aligns to and the rounding of the cut's corners); one within it is kept
    // whole, its far corners placed as Qt places them.
    const QRectF box = visible.adjusted(-2, -2, 2, 2);
    QList<QPolygonF> polygons;
    QRectF extent;
    bool withinReach = true;
    for (const QPolygonF& polygon : path.toSubpathPolygons(toDevice)) {
        polygons.append(isWithinReach(polygon) ? polygon : cutToBox(polygon, box));
        // A corner that is not a number stays beyond reach, cut or not.
        withinReach = withinReach && isWithinReach(polygons.constLast());
        extent |= polygons.constLast().boundingRect();
    }
    const auto strips = withinReach
        ? maskStrips(beneath, visible.intersected(extent).toAlignedRect())
        : std::nullopt;
    if (strips) {
        paintStrips(painter, *strips, polygons, path.fillRule(), color, alpha, inking);
    }
    painter.restore();
    return strips.has_value();
}

// Strokes `path` with the painter's pen, as drawPath does with no brush (or as drawLines does,
// each subpath alone), through coverage masks of the pen's outline within `bounds`; answers
// false, having drawn nothing, for a path of few elements, a pen that is not wide and solid, a
// brush, or where paintThroughMasks answers false.
bool strokeThroughMasks(QPainter& painter, const QPainterPath& path, const QRectF& bounds,
                        Inking inking)
{
    const QPen pen = painter.pen();
    // Without antialiasing Qt draws a pen of a device pixel or less as a thin line, not its
    // outline.
    const bool wide = !pen.isCosmetic()
        && (painter.testRenderHint(QPainter::Antialiasing)
            || pen.widthF() * painter.deviceTransform().m11() > 1.0);
    const bool wideSolid = pen.style() != Qt::NoPen && wide
        && pen.brush().style() == Qt::SolidPattern && painter.brush().style() == Qt::NoBrush;
    // The pen's outline is made only where the masks will paint it: it is the costly step.
    return path.elementCount() >= manyElements && wideSolid && masksPaintAsQt(painter)
        && paintThroughMasks(painter, QPainterPathStroker(pen).createStroke(path), pen.color(),
                             bounds, inking);
}

// The part of a polygon's points that are finite numbers: a corner that is not a number is left
// out, its neighbours joined.
QList<QPointF> finiteCorners(const QList<QPointF>& points)
{
    if (std::all_of(points.cbegin(), points.cend(), isFinitePoint)) {
        return points;
    }
    QList<QPointF> corners;
    std::copy_if(points.cbegin(), points.cend(), std::back_inserter(corners), isFinitePoint);
    return corners;
}

// `path` for filling without its points that are not finite numbers: such a corner is left out,
// its neighbours joined, and a curve with such a control point is a line to its end.
QPainterPath finiteArea(const QPainterPath& path)
{
    bool finite = true;
    for (int i = 0; i < path.elementCount() && finite; ++i) {
        finite = isFinitePoint(path.elementAt(i));
    }
    if (finite) {
        return path;
    }
    QPainterPath area;
    area.setFillRule(path.fillRule());
    // A subpath whose start was left out begins at its first point that is kept.
    bool begun = false;
    const auto reach = [&](QPointF point) {
        if (begun) {
            area.lineTo(point);
        } else {
            area.moveTo(point);
            begun = true;
        }
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo()) {
            begun = false;
        }
        if (!element.isCurveTo()) {
            if (isFinitePoint(element)) {
                reach(element);
            }
            continue;
        }
        // A curve's two control points are followed by its end.
        const QPointF control = path.elementAt(i + 1);
        const QPointF end = path.elementAt(i + 2);
        i += 2;
        if (begun && isFinitePoint(element) && isFinitePoint(control) && isFinitePoint(end)) {
            area.cubicTo(element, control, end);
        } else if (isFinitePoint(end)) {
            reach(end);
        }
    }
    return area;
}

// The stroker's outline of each of `runs` cut to `box`, each run's dashes moved on by its start
// along its line (`starts`, when given), in the stroker's widths.
QPainterPath runOutlines(QPainterPathStroker& stroker, const QList<QPolygonF>& runs,
                         const QList<double>& starts, const QRectF& box)
{
    const double offset = stroker.dashOffset();
    const double dashUnit = stroker.width() > 0.0 ? stroker.width() : 1.0;
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        stroker.setDashOffset(offset + (i < starts.size() ? starts.at(i) / dashUnit : 0.0));
        QPainterPath run;
        run.addPolygon(runs.at(i));
        for (const QPolygonF& polygon : stroker.createStroke(run).toSubpathPolygons()) {
            outline.addPolygon(cutToBox(polygon, box));
        }
    }
    stroker.setDashOffset(offset);
    return outline;
}

// Fills the painter's pen's outline of `runs`, cut to `bounds`, where Qt would fill the whole
// outline (see penShows): inside the bounds it inks what Qt's stroke of the runs inks. With
// `starts` (how far along its line each run begins) a dashed pen's dashes go on where they were
// along the whole line.
void fillPenOutline(QPainter& painter, const QList<QPolygonF>& runs, const QList<double>& starts,
                    const QRectF& bounds, Inking inking)
{
    QRectF extent;
    for (const QPolygonF& run : runs) {
        extent |= run.boundingRect();
    }
    const QPen pen = heldPen(painter.pen(), extent, bounds);
    QPainterPathStroker stroker(pen);
    // A point beyond the bounds for the antialiasing along them: clippedPath keeps it as it is.
    const QRectF box = bounds.adjusted(-1, -1, 1, 1);
    if (inking == Inking::asOne) {
        fillClippedPath(painter, runOutlines(stroker, runs, starts, box), pen.brush(), bounds);
        return;
    }
    // Each run's outline inked on its own, as Qt inks each line of drawLines: many of them, each
    // over much of the view, through coverage masks at once, a layer each (filled by Qt one by
    // one, the outlines of thousands of a radar's web lines 10,000 points wide took a second), few
    // by Qt one by one.
    QList<QPainterPath> outlines;
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const QList<double> start = i < starts.size() ? QList<double>{starts.at(i)} : QList<double>{};
        outlines.append(runOutlines(stroker, {runs.at(i)}, start, box));
        all.addPath(outlines.constLast());
    }
    if (all.elementCount() >= manyElements && pen.brush().style() == Qt::SolidPattern
        && paintThroughMasks(painter, all, pen.color(), bounds, Inking::eachAloneAcross)) {
        return;
    }
    for (const QPainterPath& outline : std::as_const(outlines)) {
        fillClippedPath(painter, outline, pen.brush(), bounds);
    }
}

QList<QPolygonF> polygonsOf(const QList<QList<QPointF>>& runs)
{
    return QList<QPolygonF>(runs.cbegin(), runs.cend());
}

// Strokes `path`, a path of lines, as one with the painter's pen: through coverage masks where
// they paint it as Qt would, by Qt where its pen shows, else by filling its outline within the
// bounds.
void strokeAsOne(QPainter& painter, const QPainterPath& path, const QRectF& bounds)
{
    if (strokeThroughMasks(painter, path, bounds, Inking::asOne)) {
        return;
    }
    if (penShows(painter, bounds)) {
        painter.drawPath(path);
    } else {
        fillPenOutline(painter, path.toSubpathPolygons(), {}, bounds, Inking::asOne);
    }
}

}

void drawClippedPolyline(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds)
{
    QList<double> starts;
    const QList<QList<QPointF>> runs = clippedRuns(points, penReachArea(painter, bounds), &starts);
    if (!penShows(painter, bounds)) {
        fillPenOutline(painter, polygonsOf(runs), starts, bounds, Inking::eachAlone);
        return;
    }
    for (const QList<QPointF>& run : runs) {
        painter.drawPolyline(run.constData(), int(run.size()));
    }
}

void drawClippedPolygon(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds)
{
    const QList<QPointF> corners = finiteCorners(points);
    const QRectF area = penReachArea(painter, bounds);
    if (std::all_of(corners.cbegin(), corners.cend(), [&](QPointF p) { return isWithin(area, p); })) {
        QPainterPath path;
        path.addPolygon(QPolygonF(corners));
        path.closeSubpath();
        strokeAsOne(painter, path, bounds);
        return;
    }
    QList<QPointF> ring = corners;
    ring.append(corners.constFirst());
    // One path, as the whole polygon is one: where runs cross, a translucent pen inks once.
    QPainterPath visible;
    for (const QList<QPointF>& run : ringRuns(ring, area)) {
        visible.addPolygon(QPolygonF(run));
    }
    strokeAsOne(painter, visible, bounds);
}

namespace {

// The runs of `path`, its curves flattened, that lie inside `area`, and how far along its subpath
// each begins; a closed subpath (its last point its first) as a ring.
QList<QPolygonF> flattenedRuns(const QPainterPath& path, const QRectF& area, QList<double>* starts)
{
    QList<QPolygonF> runs;
    for (QPolygonF polygon : flattenedNear(path, area)) {
        if (polygon.size() > 2 && polygon.constFirst() == polygon.constLast()) {
            // Closed, but for the rounding of the flattening.
            polygon.last() = polygon.constFirst();
            runs.append(polygonsOf(ringRuns(polygon, area, starts)));
        } else {
            runs.append(polygonsOf(clippedRuns(polygon, area, starts)));
        }
    }
    return runs;
}

// Strokes each run on its own with the painter's dashed pen, its dashes moved on by its distance
// from the start of its subpath, in pen widths: Qt starts the dashes anew with each subpath.
void drawDashedRuns(QPainter& painter, const QList<QPolygonF>& runs, const QList<double>& starts)
{
    const QPen pen = painter.pen();
    const double dashUnit = pen.widthF() > 0.0 ? pen.widthF() : 1.0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        QPen runPen = pen;
        runPen.setDashOffset(pen.dashOffset() + starts.at(i) / dashUnit);
        painter.setPen(runPen);
        painter.drawPolyline(runs.at(i));
    }
    painter.setPen(pen);
}

}

void drawClippedPath(QPainter& painter, const QPainterPath& path, const QRectF& bounds)
{
    const QRectF area = penReachArea(painter, bounds);
    const bool shows = penShows(painter, bounds);
    if (shows && isWithin(area, path.boundingRect())) {
        painter.drawPath(path);
        return;
    }
    QList<double> starts;
    const QList<QPolygonF> runs = flattenedRuns(path, area, &starts);
    if (!shows) {
        fillPenOutline(painter, runs, starts, bounds, Inking::asOne);
        return;
    }
    const Qt::PenStyle style = painter.pen().style();
    if (style != Qt::SolidLine && style != Qt::NoPen) {
        drawDashedRuns(painter, runs, starts);
        return;
    }
    QPainterPath visible;
    for (const QPolygonF& run : std::as_const(runs)) {
        visible.addPolygon(run);
    }
    // Qt inks each subpath of a stroke on its own: the outline of all the runs is filled, so that
    // where two runs cross a translucent pen inks once, as along the whole path.
    if (isStrokedAsOutline(painter)) {
        painter.fillPath(QPainterPathStroker(painter.pen()).createStroke(visible), painter.pen().brush());
    } else {
        painter.drawPath(visible);
    }
}

QPainterPath clippedStrokeOutline(QPainterPathStroker& stroker, const QPainterPath& path, const QRectF& bounds)
{
    const double reach = reachOf(stroker.width(), stroker.miterLimit());
    const QRectF area = bounds.adjusted(-reach, -reach, reach, reach);
    if (reach <= diagonal(bounds) + 1.0 && isWithin(area, path.boundingRect())) {
        return stroker.createStroke(path);
    }
    QList<double> starts;
    return runOutlines(stroker, flattenedRuns(path, area, &starts), starts, bounds.adjusted(-1, -1, 1, 1));
}

void drawClippedLines(QPainter& painter, const QList<QLineF>& lines, const QRectF& bounds,
                      LineCrowding crowding)
{
    const QRectF area = penReachArea(painter, bounds);
    QList<QLineF> parts;
    QList<double> starts;
    for (const QLineF& line : lines) {
        if (const auto part = clippedLine(line, area)) {
            parts.append(*part);
            starts.append(QLineF(line.p1(), part->p1()).length());
        }
    }
    const bool shows = penShows(painter, bounds);
    // Each line is two elements of the path: too few of them go to Qt without one. A pen that does
    // not show whole has its outlines filled across the view below, shaded by run.
    if (crowding == LineCrowding::crowded && shows && 2 * parts.size() >= manyElements) {
        QPainterPath path;
        for (const QLineF& line : std::as_const(parts)) {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
        if (strokeThroughMasks(painter, path, bounds, Inking::eachAlone)) {
            return;
        }
    }
    if (shows) {
        painter.drawLines(parts);
        return;
    }
    QList<QPolygonF> runs;
    for (const QLineF& line : std::as_const(parts)) {
        runs.append(QPolygonF({line.p1(), line.p2()}));
    }
    fillPenOutline(painter, runs, starts, bounds, Inking::eachAlone);
}

void drawClippedLine(QPainter& painter, const QLineF& line, const QRectF& bounds)
{
    drawClippedLines(painter, {line}, bounds);
}

void fillClippedPath(QPainter& painter, const QPainterPath& path, const QBrush& brush,
                     const QRectF& bounds)
{
    const QPainterPath area = finiteArea(path);
    if (area.elementCount() >= manyElements && brush.style() == Qt::SolidPattern
        && paintThroughMasks(painter, area, brush.color(), bounds, Inking::asOne)) {
        return;
    }
    painter.fillPath(clippedPath(area, bounds), brush);
}

QPainterPath clippedPath(const QPainterPath& path, const QRectF& bounds)
{
    const QPainterPath finite = finiteArea(path);
    const QRectF area = bounds.adjusted(-1, -1, 1, 1);
    if (isWithin(area, finite.boundingRect())) {
        return finite;
    }
    // Each subpath cut on its own leaves each point inside the area as often within the whole.
    QPainterPath visible;
    visible.setFillRule(finite.fillRule());
    for (const QPolygonF& polygon : flattenedNear(finite, area)) {
        visible.addPolygon(cutToBox(polygon, area));
    }
    return visible;
}

namespace {

// `rect` with its sides held to `area`: a side beyond it is moved onto it. None where a side is
// not a number, or nothing of the rectangle lies within the area.
std::optional<QRectF> heldRect(const QRectF& rect, const QRectF& area)
{
    if (std::isnan(rect.left()) || std::isnan(rect.right()) || std::isnan(rect.top())
        || std::isnan(rect.bottom())) {
        return std::nullopt;
    }
    const double left = std::max(std::min(rect.left(), rect.right()), area.left());
    const double right = std::min(std::max(rect.left(), rect.right()), area.right());
    const double top = std::max(std::min(rect.top(), rect.bottom()), area.top());
    const double bottom = std::min(std::max(rect.top(), rect.bottom()), area.bottom());
    if (!(left <= right && top <= bottom)) {
        return std::nullopt;
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// `area` widened by the view's diagonal: a rectangle or an ellipse within it Qt draws in time, as
// it is.
QRectF nearArea(const QRectF& area, const QRectF& bounds)
{
    const double reach = diagonal(bounds);
    return area.adjusted(-reach, -reach, reach, reach);
}

}

void fillClippedRect(QPainter& painter, const QRectF& rect, const QBrush& brush, const QRectF& bounds)
{
    if (isWithin(nearArea(bounds.adjusted(-1, -1, 1, 1), bounds), rect)) {
        painter.fillRect(rect, brush);
    } else if (const auto held = heldRect(rect, bounds.adjusted(-1, -1, 1, 1))) {
        painter.fillRect(*held, brush);
    }
}

void drawClippedRect(QPainter& painter, const QRectF& rect, const QRectF& bounds)
{
    const QRectF area = penReachArea(painter, bounds);
    if (penShows(painter, bounds) && isWithin(nearArea(area, bounds), rect)) {
        painter.drawRect(rect);
        return;
    }
    // A side moved a point beyond the pen's reach, and its corners, leave nothing within the
    // bounds.
    const auto held = heldRect(rect, area.adjusted(-1, -1, 1, 1));
    if (!held) {
        return;
    }
    if (painter.brush().style() != Qt::NoBrush) {
        fillClippedRect(painter, *held, painter.brush(), bounds);
    }
    if (painter.pen().style() != Qt::NoPen) {
        const QBrush brush = painter.brush();
        painter.setBrush(Qt::NoBrush);
        drawClippedPolygon(painter, {held->topLeft(), held->topRight(), held->bottomRight(), held->bottomLeft()},
                           bounds);
        painter.setBrush(brush);
    }
}

void drawClippedEllipse(QPainter& painter, const QRectF& rect, const QRectF& bounds)
{
    if (!isFinitePoint(rect.topLeft()) || !isFinitePoint(rect.bottomRight())) {
        return;
    }
    if (penShows(painter, bounds) && isWithin(nearArea(penReachArea(painter, bounds), bounds), rect)) {
        painter.drawEllipse(rect);
        return;
    }
    QPainterPath ellipse;
    ellipse.addEllipse(rect);
    if (painter.brush().style() != Qt::NoBrush) {
        fillClippedPath(painter, ellipse, painter.brush(), bounds);
    }
    if (painter.pen().style() != Qt::NoPen) {
        const QBrush brush = painter.brush();
        painter.setBrush(Qt::NoBrush);
        drawClippedPath(painter, ellipse, bounds);
        painter.setBrush(brush);
    }
}

void clipToRect(QPainter& painter, const QRectF& rect, const QRectF& bounds)
{
    const QRectF area = bounds.adjusted(-1, -1, 1, 1);
    if (isWithin(area, rect)) {
        painter.setClipRect(rect, Qt::IntersectClip);
    } else {
        painter.setClipRect(heldRect(rect, area).value_or(QRectF()), Qt::IntersectClip);
    }
}

void clipToPath(QPainter& painter, const QPainterPath& path, const QRectF& bounds)
{
    painter.setClipPath(clippedPath(path, bounds), Qt::IntersectClip);
}

}
