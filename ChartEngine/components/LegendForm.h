#pragma once

#include <optional>

namespace Charts {

// The shape drawn before a legend label. The legend names it as its own (`Legend::Form`).
enum class LegendForm : int {
    none = 0,          // no form, and no room kept for one
    blank = 1,         // room kept, nothing drawn
    legendDefault = 2, // the legend's own form
    square = 3,
    circle = 4,
    line = 5,
};

// The form for a stored raw value; none for a value outside the cases.
inline std::optional<LegendForm> legendFormFromRaw(long long raw)
{
    if (raw < 0 || raw > 5) {
        return std::nullopt;
    }
    return static_cast<LegendForm>(raw);
}

}
