#pragma once

#include <cmath>
#include <concepts>
#include <limits>

namespace Charts {

// A computed double as an integer of type T: truncated toward zero and held to T's range (below
// it the least T, above it the greatest), NaN as 0. Converting a double outside the range is
// undefined behaviour, so every such conversion in the engine goes through here.
template <std::integral T> T checkedInteger(double value)
{
    using Limits = std::numeric_limits<T>;
    // 2^digits, the first double above T's range; exact, as is T's least value.
    const double beyond = std::ldexp(1.0, Limits::digits);
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= beyond) {
        return Limits::max();
    }
    if (value <= static_cast<double>(Limits::min())) {
        return Limits::min();
    }
    return static_cast<T>(value);
}

// `value` rounded to one significant digit, halves away from zero (0.25 → 0.3, 950 → 1000).
// Not-a-number, the infinities and 0 come back unchanged.
double roundedToOneSignificantDigit(double value);

// How many fraction digits a label of a magnitude `value` shows: two more than the position of
// its first significant digit after rounding (0.05 → 4, 1 → 2, 1000 → -1; a negative count
// shows no fraction digits). 0 for 0, not-a-number, the infinities, a magnitude whose rounding
// leaves the finite range, and a negative value (which is not a magnitude).
int decimalPlaces(double value);

}
