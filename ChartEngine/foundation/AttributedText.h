#pragma once

#include "ChartEngine/foundation/TextAttributes.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace Charts {

// A text with one set of attributes over its whole length, laid out in a box: wrapped at word
// boundaries (a word wider than the box anywhere) to the box's width, as many lines as the
// box's height holds (at least one), the last kept line cut with an ellipsis when text remains
// beyond it (tail truncation), lines spaced by the font's line spacing with its leading, each
// line placed by the alignment.
struct AttributedText {
    QString text;
    TextAttributes attributes;
    bool truncatesTail = true;

    qsizetype length() const { return text.size(); }
};

// The size of the laid-out text: its widest line by its lines' height.
QSizeF attributedTextBoundingSize(const AttributedText& text, QSizeF box);

// Draws the text laid out in `layoutBox` (as attributedTextBoundingSize measured it) from
// `rect`'s top-left corner, each line aligned within `rect`'s width.
void drawAttributedText(QPainter& painter, const AttributedText& text, const QRectF& rect, QSizeF layoutBox);

}
