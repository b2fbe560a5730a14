#pragma once

#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <optional>

class QBrush;
class QPainter;
class QPainterPathStroker;

namespace Charts {

// Every line, path, rectangle and ellipse the engine draws or clips to goes to QPainter through
// these calls, each drawing as its QPainter namesake does within `bounds` (the chart's bounds, in
// the painter's coordinates) in time that grows with what can be seen there. Qt takes seconds over
// a wide pen stroked a million points beyond the view, over a pen wider than the view, and over a
// point that is not a number (NaN or infinite): with it Qt, and the coverage masks, have no area
// to skip.
// - A point that is not a number cuts a line there (its segments to it and from it are left out)
//   and is left out of an area or of a polygon's outline (its neighbours joined).
// - What lies beyond `bounds` widened by the pen's reach (half its width times its mitre limit,
//   and a point) is left out, and a fill is cut to the bounds widened by a point.
// - A pen that reaches farther than the view's diagonal is not stroked by Qt, which fills its
//   outline over its whole extent: its outline within the bounds is filled instead, its half width
//   held to what can show (as far as the lines lie from the bounds and their diagonal beyond: a
//   wider pen inks the same pixels there).
// What lies within the bounds widened by the pen's reach, with a pen that reaches no farther than
// the view's diagonal, goes to Qt as it is, so an ordinary chart is drawn as Qt draws it.

// The part of `line` inside `rect`, in the line's direction, or none where the line misses it (or
// is not finite). An end inside the rectangle is kept exactly; a crossing of its side is reckoned
// from the end nearer that side and lies on the side, however far the other end.
std::optional<QLineF> clippedLine(const QLineF& line, const QRectF& rect);

// Draws the polyline through `points` with the painter's pen, each run within the pen's reach of
// the bounds on its own; inside the bounds the line, its joins included, is drawn as it is.
void drawClippedPolyline(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds);

// Draws the closed polygon through `points` with the painter's pen: a polygon within `bounds`
// widened by the pen's reach is drawn whole, as a closed path; of one beyond them only the runs
// inside, each corner they keep joined as in the whole. The runs are one path, so that a
// translucent pen inks their crossings once. A wide pen over many corners on a raster image fills
// the pen's outline of that path through coverage masks (see fillClippedPath) rather than leaving
// it to Qt's stroke; without antialiasing a pen of a device pixel or less is left to Qt, which
// draws it as a thin line.
void drawClippedPolygon(QPainter& painter, const QList<QPointF>& points, const QRectF& bounds);

// `path` cut to `bounds` widened by a point, for filling, its points that are not numbers left
// out. A finite path within the widened bounds comes back as it is; of one beyond them the part
// inside, which fills the same pixels inside the bounds (but for a level or two of antialiasing
// along its edges), by the same fill rule.
QPainterPath clippedPath(const QPainterPath& path, const QRectF& bounds);

// Strokes `path` with the painter's pen as painter.drawPath does with no brush: a path within the
// reach is drawn as it is; of one beyond it only the runs inside, its curves flattened finely, the
// pen's outline of them all filled at once, so that a translucent pen inks their crossings once.
// With a dashed pen each run is stroked on its own, its dashes going on from where they were
// along the whole.
void drawClippedPath(QPainter& painter, const QPainterPath& path, const QRectF& bounds);

// The stroker's outline of `path` for filling or clipping in a stroke's place (a line painted with
// a gradient): of a path within `bounds` widened by the stroker's reach, with a reach no farther
// than the view's diagonal, the whole outline; of another the outline of the runs within that
// reach, cut to the bounds widened by a point, each run's dashes going on from where they were
// along the whole.
QPainterPath clippedStrokeOutline(QPainterPathStroker& stroker, const QPainterPath& path, const QRectF& bounds);

// How lines lie: apart (a line chart's segments, a web's rings), or crowded, many of them
// through the same rows (a radar's spokes through its centre), where Qt's rasterizer, whose time
// grows with the square of the edges a pixel row holds, takes long.
enum class LineCrowding { apart, crowded };

// Draws `lines` with the painter's pen as painter.drawLines does, each line inked on its own.
// Many crowded lines with a wide pen on a raster image go through coverage masks of the pen's
// outline of each within `bounds`, as drawClippedPolygon's outline goes.
void drawClippedLines(QPainter& painter, const QList<QLineF>& lines, const QRectF& bounds,
                      LineCrowding crowding = LineCrowding::apart);

// Draws `line` as painter.drawLine does.
void drawClippedLine(QPainter& painter, const QLineF& line, const QRectF& bounds);

// Fills `path`, by its fill rule, with `brush` as painter.fillPath(clippedPath(path, bounds),
// brush) does. A path of many elements filled with a colour on a raster image is filled through
// coverage masks (CoverageMask) instead, a strip of rows at a time, a polygon with a corner beyond
// what a mask takes (a billion points away) first cut to a box a little larger than the bounds:
// the same pixels within the bounds but for a level or two along its edges when antialiased, and
// the pixels Qt fills when not (but for a few next to an edge that was cut), in time that grows
// with its edges' length. Qt's own time grows with the square of the edges a pixel row holds: a
// radar of thousands of corners took it seconds, with antialiasing or without. Not source-over, on
// another device, or turned by the painter's transform, the path goes to Qt.
void fillClippedPath(QPainter& painter, const QPainterPath& path, const QBrush& brush,
                     const QRectF& bounds);

// Fills `rect` with `brush` as painter.fillRect does. A rectangle reaching farther than the view's
// diagonal beyond the bounds has its sides held to the bounds widened by a point; a side that is
// not a number fills nothing.
void fillClippedRect(QPainter& painter, const QRectF& rect, const QBrush& brush, const QRectF& bounds);

// Draws `rect` with the painter's pen and brush as painter.drawRect does. A rectangle within the
// view's diagonal beyond the pen's reach goes to Qt as it is; of another the sides beyond the
// reach are held to it. A side that is not a number draws nothing.
void drawClippedRect(QPainter& painter, const QRectF& rect, const QRectF& bounds);

// Draws the ellipse within `rect` with the painter's pen and brush as painter.drawEllipse does:
// within the view's diagonal beyond the pen's reach as it is, else as a path through
// fillClippedPath and drawClippedPath. A side that is not a finite number draws nothing.
void drawClippedEllipse(QPainter& painter, const QRectF& rect, const QRectF& bounds);

// Narrows the painter's clip to `rect` as painter.setClipRect(rect, Qt::IntersectClip) does, its
// sides held to the bounds widened by a point (a clip beyond them changes nothing within them); a
// side that is not a number leaves nothing to draw.
void clipToRect(QPainter& painter, const QRectF& rect, const QRectF& bounds);

// Narrows the painter's clip to `path` cut to the bounds (clippedPath), as
// painter.setClipPath(path, Qt::IntersectClip) does.
void clipToPath(QPainter& painter, const QPainterPath& path, const QRectF& bounds);

}
