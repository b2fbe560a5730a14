#pragma once

#include <optional>

namespace Charts {

// The y axis against which a data set, a highlight or an axis is scaled: the left or the right
// one. The y axis names it as its own (`YAxis::AxisDependency`).
enum class AxisDependency : int {
    left = 0,
    right = 1,
};

// The side for a stored raw value; none for a value outside the cases.
inline std::optional<AxisDependency> axisDependencyFromRaw(long long raw)
{
    switch (raw) {
    case 0:
        return AxisDependency::left;
    case 1:
        return AxisDependency::right;
    default:
        return std::nullopt;
    }
}

}
