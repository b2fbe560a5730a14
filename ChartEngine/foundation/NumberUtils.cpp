#include "ChartEngine/foundation/NumberUtils.h"

#include <cmath>

namespace Charts {

double roundedToOneSignificantDigit(double value)
{
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    const double digits = std::ceil(std::log10(std::abs(value)));
    const double exponent = 1.0 - digits;
    if (exponent <= 300.0) {
        const double magnitude = std::pow(10.0, exponent);
        return std::round(value * magnitude) / magnitude;
    }
    // Below about 1e-300 the scale itself would overflow to infinity (and the result become
    // not-a-number), so the value is scaled in two steps.
    const double first = 1e300;
    const double second = std::pow(10.0, exponent - 300.0);
    return std::round(value * first * second) / second / first;
}

int decimalPlaces(double value)
{
    if (!std::isfinite(value) || value == 0.0) {
        return 0;
    }
    const double rounded = roundedToOneSignificantDigit(value);
    if (!std::isfinite(rounded)) {
        return 0;
    }
    // Finite for any positive finite rounded value, and then within a few hundred.
    const double places = std::ceil(-std::log10(rounded)) + 2.0;
    if (!std::isfinite(places)) {
        return 0;
    }
    return checkedInteger<int>(places);
}

}
