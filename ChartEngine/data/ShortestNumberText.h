#pragma once

#include <QString>

namespace Charts {

// A double as the engine's descriptions write it: the shortest decimal text that reads back as
// the same double, always with a fractional part ("1.0", "2.5", "0.0001"). Magnitudes below 1e-4
// or above 2^54 use the exponent form ("1e-05", "1.5e+20"); not-a-number is "nan", infinities
// are "inf" and "-inf".
QString shortestNumberText(double value);

}
