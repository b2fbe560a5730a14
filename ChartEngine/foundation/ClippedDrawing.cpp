#include "ChartEngine/foundation/ClippedDrawing.h"

#include "ChartEngine/foundation/CoverageMask.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

// Exact comparison (QPointF's own is fuzzy).
bool isExactly(QPointF point, double x, double y)
{
    return point.x() == x && point.y() == y;
}

}

std::optional<QLineF> clippedLine(const QLineF& line, const QRectF& rect)
{
    const QPointF start = line.p1();
    const QPointF step = line.p2() - start;
    double enter = 0.0;
    double leave = 1.0;
    // Each side of the rectangle as (p, q): the line is inside that side where p * t <= q.
    const std::pair<double, double> sides[] = {{-step.x(), start.x() - rect.left()},
                                               {step.x(), rect.right() - start.x()},
                                               {-step.y(), start.y() - rect.top()},
                                               {step.y(), rect.bottom() - start.y()}};
    for (const auto& [p, q] : sides) {
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
        if (p < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    const QPointF from = enter > 0.0 ? start + enter * step : start;
    const QPointF to = leave < 1.0 ? start + leave * step : line.p2();
    return QLineF(from, to);
}

namespace {

// `bounds` widened by what the painter's pen reaches beyond a line: half its width times its
// mitre limit, and a point for the antialiasing.
QRectF penReachArea(const QPainter& painter, const QRectF& bounds)
{
    const QPen& pen = painter.pen();
    const double reach = std::max(pen.widthF(), 1.0) * std::max(pen.miterLimit(), 1.0) / 2 + 1;
    return bounds.adjusted(-reach, -reach, reach, reach);
}

// The runs of the polyline through `points` that lie inside `area`, each of two points or more;
// with `starts`, how far along the polyline each run begins.
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
        walked += segment.length();
    }
    flush();
    return runs;
}

// Inside or on the edge; a point that is not a number is not inside.
bool isWithin(const QRectF& area, QPointF point)
{
    return point.x() >= area.left() && point.x() <= area.right() && point.y() >= area.top()
        && point.y() <= area.bottom();
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
// (drawLines strokes each line alone).
enum class Inking { asOne, eachAlone };

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
        CoverageMask mask(strip.rows, sampling);
        for (qsizetype i = 0; i < polygons.size(); ++i) {
            if (spans.at(i).second < strip.rows.top() || spans.at(i).first > strip.rows.bottom() + 1) {
                continue;
            }
            const QPolygonF& polygon = polygons.at(i);
            mask.addPolygon(polygon);
            if (inking == Inking::eachAlone) {
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

}

void drawClippedPolyline(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds)
{
    for (const QList<QPointF>& run : clippedRuns(points, penReachArea(painter, bounds))) {
        painter.drawPolyline(run.constData(), int(run.size()));
    }
}

void drawClippedPolygon(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds)
{
    const QRectF area = penReachArea(painter, bounds);
    if (std::all_of(points.cbegin(), points.cend(), [&](QPointF p) { return isWithin(area, p); })) {
        QPainterPath path;
        path.addPolygon(QPolygonF(points));
        path.closeSubpath();
        if (!strokeThroughMasks(painter, path, bounds, Inking::asOne)) {
            painter.drawPath(path);
        }
        return;
    }
    QList<QPointF> ring = points;
    ring.append(points.constFirst());
    QList<QList<QPointF>> runs = clippedRuns(ring, area);
    // A run that comes back to the first point goes on with the run that leaves it, so that
    // corner keeps its join.
    const QPointF first = ring.constFirst();
    if (runs.size() > 1 && isExactly(runs.constFirst().constFirst(), first.x(), first.y())
        && isExactly(runs.constLast().constLast(), first.x(), first.y())) {
        runs.last().removeLast();
        runs.last().append(runs.takeFirst());
    }
    // One path, as the whole polygon is one: where runs cross, a translucent pen inks once.
    QPainterPath visible;
    for (const QList<QPointF>& run : runs) {
        visible.addPolygon(QPolygonF(run));
    }
    if (!strokeThroughMasks(painter, visible, bounds, Inking::asOne)) {
        painter.drawPath(visible);
    }
}

namespace {

// The subpaths of `path` as polygons, curves flattened to a 32nd of a point (Qt's own flattening
// strays up to half a point from a long curve, more than its stroke does).
QList<QPolygonF> flattened(const QPainterPath& path)
{
    constexpr double fineness = 16.0;
    QList<QPolygonF> polygons = path.toSubpathPolygons(QTransform::fromScale(fineness, fineness));
    for (QPolygonF& polygon : polygons) {
        for (QPointF& point : polygon) {
            point /= fineness;
        }
    }
    return polygons;
}

// Whether Qt strokes with the painter's pen by filling the pen's outline: a pen wider than a
// device pixel that is not cosmetic (a thinner one it draws as a thin line).
bool isStrokedAsOutline(const QPainter& painter)
{
    const QPen& pen = painter.pen();
    return pen.style() != Qt::NoPen && !pen.isCosmetic()
        && pen.widthF() * painter.deviceTransform().m11() > 1.0;
}

// Strokes each run on its own with the painter's dashed pen, its dashes moved on by its distance
// from the start of its subpath, in pen widths: Qt starts the dashes anew with each subpath.
void drawDashedRuns(QPainter& painter, const QList<QList<QPointF>>& runs, const QList<double>& starts)
{
    const QPen pen = painter.pen();
    const double dashUnit = pen.widthF() > 0.0 ? pen.widthF() : 1.0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        QPen runPen = pen;
        runPen.setDashOffset(pen.dashOffset() + starts.at(i) / dashUnit);
        painter.setPen(runPen);
        painter.drawPolyline(runs.at(i).constData(), int(runs.at(i).size()));
    }
    painter.setPen(pen);
}

}

void drawClippedPath(QPainter& painter, const QPainterPath& path, const QRectF& bounds)
{
    const QRectF area = penReachArea(painter, bounds);
    const QRectF extent = path.boundingRect();
    if (isWithin(area, extent.topLeft()) && isWithin(area, extent.bottomRight())) {
        painter.drawPath(path);
        return;
    }
    const Qt::PenStyle style = painter.pen().style();
    const bool dashed = style != Qt::SolidLine && style != Qt::NoPen;
    QPainterPath visible;
    for (const QPolygonF& polygon : flattened(path)) {
        QList<double> starts;
        const QList<QList<QPointF>> runs = clippedRuns(polygon, area, &starts);
        if (dashed) {
            drawDashedRuns(painter, runs, starts);
            continue;
        }
        for (const QList<QPointF>& run : runs) {
            visible.addPolygon(QPolygonF(run));
        }
    }
    if (dashed) {
        return;
    }
    // Qt inks each subpath of a stroke on its own: the outline of all the runs is filled, so that
    // where two runs cross a translucent pen inks once, as along the whole path.
    if (isStrokedAsOutline(painter)) {
        painter.fillPath(QPainterPathStroker(painter.pen()).createStroke(visible), painter.pen().brush());
    } else {
        painter.drawPath(visible);
    }
}

void drawClippedLines(QPainter& painter, const QList<QLineF>& lines, const QRectF& bounds)
{
    const QRectF area = penReachArea(painter, bounds);
    QList<QLineF> parts;
    for (const QLineF& line : lines) {
        if (const auto part = clippedLine(line, area)) {
            parts.append(*part);
        }
    }
    // Each line is two elements of the path: too few of them go to Qt without one.
    if (2 * parts.size() >= manyElements) {
        QPainterPath path;
        for (const QLineF& line : std::as_const(parts)) {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
        if (strokeThroughMasks(painter, path, bounds, Inking::eachAlone)) {
            return;
        }
    }
    painter.drawLines(parts);
}

void fillClippedPath(QPainter& painter, const QPainterPath& path, const QColor& color,
                     const QRectF& bounds)
{
    if (path.elementCount() < manyElements
        || !paintThroughMasks(painter, path, color, bounds, Inking::asOne)) {
        painter.fillPath(clippedPath(path, bounds), color);
    }
}

QPainterPath clippedPath(const QPainterPath& path, const QRectF& bounds)
{
    const QRectF area = bounds.adjusted(-1, -1, 1, 1);
    const QRectF extent = path.boundingRect();
    if (isWithin(area, extent.topLeft()) && isWithin(area, extent.bottomRight())) {
        return path;
    }
    QPainterPath clip;
    clip.addRect(area);
    // Qt's intersection answers with a rule of its own choosing.
    QPainterPath visible = path.intersected(clip);
    visible.setFillRule(path.fillRule());
    return visible;
}
}
