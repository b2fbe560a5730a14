#pragma once

#include "ChartEngine/foundation/ChartColors.h"

#include <QColor>
#include <QFont>

namespace Charts {

// Horizontal text alignment, with the desktop's raw values (right is 1 and centre 2; the
// engine's stored alignments keep these numbers).
enum class TextAlignment : int {
    Left = 0,
    Right = 1,
    Center = 2,
    Justified = 3,
    Natural = 4,
};

// How a text is measured and drawn: its font (sized in pixels), its colour and the alignment
// of the lines of a wrapped text within its box.
struct TextAttributes {
    QFont font = systemFont(12);
    QColor color = ChartColors::black();
    TextAlignment alignment = TextAlignment::Natural;
};

}
