#pragma once

#include <QList>

#include <optional>

class QPainterPathStroker;
class QPen;

namespace Charts {

// Dash lengths and phase are in points, repeated as given: {5} is 5 on, 5 off. Qt counts both in
// pen widths and pads an odd pattern with a 1, so the lengths are divided by the width (a width
// of 0 counts as 1) and an odd pattern is repeated once. An absent or empty pattern is solid, and so is one with a
// length that is not a positive finite number (NaN, 0, negative, infinite). A dash or gap longer
// than 1,000,000 points, longer than any line a view shows, counts as that long.
void applyLineDash(QPen& pen, double phase, const std::optional<QList<double>>& lengths);

// The same rules for a stroker of the given width.
void applyLineDash(QPainterPathStroker& stroker, double width, double phase,
                   const std::optional<QList<double>>& lengths);

// The length in points after which the drawn pattern starts again (an odd pattern twice over,
// long lengths counted as above); 0 for a solid line.
double dashPeriod(const std::optional<QList<double>>& lengths);

}
