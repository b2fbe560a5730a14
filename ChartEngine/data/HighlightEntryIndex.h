#pragma once

#include <QtGlobal>

#include <optional>

namespace Charts {

// The entry index that the x of a pie or radar highlight names: x truncated toward zero. None
// when x is not a finite number within the range of a 64-bit index.
std::optional<qint64> highlightEntryIndex(double x);

}
