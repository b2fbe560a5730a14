#pragma once

#include "ChartEngine/foundation/TextAttributes.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

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
