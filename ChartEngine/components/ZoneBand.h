#pragma once

#include <QColor>

namespace Charts {

// One zone band of a y axis: the values between `start` and `end` (either may be the lower)
// filled across the content area in `color`.
struct ZoneBand {
    double start = 0.0;
    double end = 0.0;
    QColor color;
};

}
