#pragma once

#include <optional>

namespace Charts {

// Which entry a search by x takes when no entry has exactly the searched x.
enum class ChartDataSetRounding : int {
    up = 0,      // the entry above
    down = 1,    // the entry below
    closest = 2, // the nearer one in x; on equal distance the one above
};

// The rounding for a stored raw value; none for a value outside the cases.
inline std::optional<ChartDataSetRounding> chartDataSetRoundingFromRaw(long long raw)
{
    if (raw < 0 || raw > 2) {
        return std::nullopt;
    }
    return static_cast<ChartDataSetRounding>(raw);
}

}
