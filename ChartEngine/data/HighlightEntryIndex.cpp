#include "ChartEngine/data/HighlightEntryIndex.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <cmath>

namespace Charts {

std::optional<qint64> highlightEntryIndex(double x)
{
    // -2^63 and 2^63 are exact doubles; every finite x in [-2^63, 2^63) truncates into range.
    constexpr double lowest = -9223372036854775808.0;
    constexpr double beyond = 9223372036854775808.0;
    if (!std::isfinite(x) || x < lowest || x >= beyond) {
        return std::nullopt;
    }
    return checkedInteger<qint64>(x);
}

}
