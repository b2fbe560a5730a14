#pragma once

namespace Charts {

// `value` rounded to one significant digit, halves away from zero (0.25 → 0.3, 950 → 1000).
// Not-a-number, the infinities and 0 come back unchanged.
double roundedToOneSignificantDigit(double value);

// How many fraction digits a label of a magnitude `value` shows: two more than the position of
// its first significant digit after rounding (0.05 → 4, 1 → 2, 1000 → -1; a negative count
// shows no fraction digits). 0 for 0, not-a-number, the infinities, a magnitude whose rounding
// leaves the finite range, and a negative value (which is not a magnitude).
int decimalPlaces(double value);

}
