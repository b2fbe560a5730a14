#pragma once

#include <QString>

// Numbers shown as C's printf shows them with "%.<decimals>f": rounding to the nearest, and on an
// exact binary tie to even (172.5 with no decimals is "172", 70.25 with one is "70.2"). Qt's own
// number formatting rounds ties differently, so shown values go through here.
namespace NumberText {

// The value with the given number of decimals (0 to 17; others are clamped), as "%.*f" prints it.
// Not-a-number and infinities print as "nan", "inf" and "-inf".
QString fixed(double value, int decimals);

}
