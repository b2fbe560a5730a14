#pragma once

#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <optional>

class QColor;
class QPainter;

namespace Charts {

// The part of `line` inside `rect`, in the line's direction, or none where the line misses it (or
// is not finite). An end inside the rectangle is kept exactly.
std::optional<QLineF> clippedLine(const QLineF& line, const QRectF& rect);

// Draws the polyline through `points` with the painter's pen, leaving out what lies beyond
// `bounds` widened by the pen's reach (half its width times its mitre limit): Qt strokes a wide
// pen over a segment's whole length, visible or not, so a segment to a point a million points
// away takes seconds. Inside the bounds the line, its joins included, is drawn as it is.
void drawClippedPolyline(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds);

// Draws the closed polygon through `points` with the painter's pen, as drawClippedPolyline draws
// a polyline: a polygon within `bounds` widened by the pen's reach is drawn whole, as a closed
// path; of one beyond them only the runs inside, each corner they keep joined as in the whole.
// The runs are one path, so that a translucent pen inks their crossings once. A wide pen over
// many corners on a raster image fills the pen's outline of that path through coverage masks (see
// fillClippedPath) rather than leaving it to Qt's stroke; without antialiasing a pen of a device
// pixel or less is left to Qt, which draws it as a thin line.
void drawClippedPolygon(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds);

// `path` cut to `bounds` widened by a point, for filling: Qt fills a path over its whole extent,
// seen or not, so a slice reaching a million points away takes seconds. A path within the
// widened bounds comes back as it is; of one beyond them the part inside, which fills the same
// pixels inside the bounds (but for a level or two of antialiasing along its edges), by the same
// fill rule.
QPainterPath clippedPath(const QPainterPath& path, const QRectF& bounds);

// Strokes `path` with the painter's pen as painter.drawPath does, leaving out what lies beyond
// `bounds` widened by the pen's reach, as drawClippedPolyline does: a path within them is drawn as
// it is; of one beyond them only the runs inside, its curves flattened finely, the pen's outline
// of them all filled at once, so that a translucent pen inks their crossings once. With a dashed
// pen each run is stroked on its own, its dashes going on from where they were along the whole.
void drawClippedPath(QPainter& painter, const QPainterPath& path, const QRectF& bounds);

// Draws `lines` with the painter's pen as painter.drawLines does, each line inked on its own and
// cut to what the pen can reach within `bounds`. Many lines with a wide pen on a raster image go
// through coverage masks of the pen's outline of each within `bounds`, as drawClippedPolygon's
// outline goes.
void drawClippedLines(QPainter& painter, const QList<QLineF>& lines, const QRectF& bounds);

// Fills `path`, by its fill rule, with `color` as painter.fillPath(clippedPath(path, bounds),
// color) does. A path of many elements on a raster image is filled through coverage masks
// (CoverageMask) instead, a strip of rows at a time, a polygon with a corner beyond what a mask
// takes (a billion points away) first cut to a box a little larger than the bounds: the same
// pixels within the bounds but for a level or two along its edges when antialiased, and the
// pixels Qt fills when not (but for a few next to an edge that was cut), in time that grows with
// its edges' length. Qt's own time grows with the square of the edges a pixel row holds: a radar
// of thousands of corners took it seconds, with antialiasing or without. Not source-over, on
// another device, or turned by the painter's transform, the path goes to Qt.
void fillClippedPath(QPainter& painter, const QPainterPath& path, const QColor& color,
                     const QRectF& bounds);

}
