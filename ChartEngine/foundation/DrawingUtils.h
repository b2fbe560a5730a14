#pragma once

#include "ChartEngine/foundation/TextAttributes.h"

#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QColor;
class QFont;
class QPainter;

namespace Charts {

class ChartImage;

// Text and image drawing shared by the renderers and the chart views. Points are in the
// painter's coordinates (y grows downward). A text's position is the top-left corner of its
// line box, and an anchor is a pair of fractions of the text's (or image's) width and height:
// (0, 0) puts the point at the top-left corner, (0.5, 0.5) at the centre, (1, 1) at the
// bottom-right corner. Angles are in radians, positive clockwise on screen. Each drawing call
// leaves the painter's state as it found it; a call with a point, anchor, angle or size that is
// not finite draws nothing.

// The height of the font's bounding rectangle: the height textSize gives one line of text.
double fontLineHeight(const QFont& font);

// A line width that Qt strokes in time: NaN and negative widths are 0 (Qt's thinnest line), and
// a width is held to 10,000 points, wider than any view (Qt takes ages over a wider stroke).
double strokeWidth(double width);

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

// The size of a text laid out on one line (lines break only at line feeds).
QSizeF textSize(const QString& text, const TextAttributes& attributes);

// The size of a text wrapped at word boundaries within `maxWidth` (a width that is not finite
// or not positive does not wrap), as drawMultilineText lays it out.
QSizeF textBoundingSize(const QString& text, double maxWidth, const TextAttributes& attributes);

// Draws `text` with its anchor point at `point`. Unrotated, the text's box is moved by the
// anchor (an anchor of (0, 0) needs no measuring). Rotated, the text turns about its own centre
// and the anchor applies to the bounding box of the rotated text.
void drawText(QPainter& painter, const QString& text, QPointF point, QPointF anchor, double angle,
              const TextAttributes& attributes);

// `point` moved left by the text's width for right alignment, by half of it for centre
// alignment, and kept for any other alignment.
QPointF alignedTextOrigin(const QString& text, QPointF point, TextAlignment alignment,
                          const TextAttributes& attributes);

// drawText at the aligned origin; unrotated text is drawn from that origin and the anchor is
// not used.
void drawAlignedText(QPainter& painter, const QString& text, QPointF point,
                     TextAlignment alignment, QPointF anchor, double angle,
                     const TextAttributes& attributes);
// The same for a text whose width is known already (read only for right and centre alignment).
void drawAlignedText(QPainter& painter, const QString& text, QPointF point,
                     TextAlignment alignment, QPointF anchor, double angle,
                     const TextAttributes& attributes, double width);

// drawText for a text wrapped within a box of the given size (not measured again), its lines
// aligned by the attributes' alignment.
void drawMultilineText(QPainter& painter, const QString& text, QPointF point, QPointF anchor,
                       QSizeF size, double angle, const TextAttributes& attributes);

// Draws `image` centred on `center` at `size` points. An image whose own width or height is the
// requested one is drawn scaled as it is; otherwise a copy resized at the screen's scale, kept
// on the image for that size, is drawn, or nothing when no copy can be made.
void drawImage(QPainter& painter, const ChartImage& image, QPointF center, QSizeF size);

}
