#pragma once

#include "Brisvale/records/UnitType_DB.h"

#include <QString>
#include <optional>

// Height and weight as the profile page shows and reads them. A profile keeps its height in
// centimetres or in decimal feet, its weight in kilograms or pounds, as its unit system says;
// a feet height is shown and typed as whole feet "/" inches (5.5 ft is "5/6.0").
namespace BodyMeasures {

// Feet and inches as lengths (1 ft = 0.3048 m, 1 in = 0.0254 m).
constexpr double metresPerFoot = 0.3048;
constexpr double metresPerInch = 0.0254;

// "%.0f" centimetres, or whole feet "%.0f" "/" inches "%.1f", rounded as printf rounds, with
// the locale's decimal separator (NumberText::shown).
QString heightText(float height, UnitType_DB::Defaults unit);

// Which end of a range a height limit stands at.
enum class Limit { lowest, highest };

// A height limit in centimetres as a feet height shows (heightText), moved inward to the nearest
// text at which every height shown so lies within the limit. Inches show to a tenth, so a shown
// tenth stands for heights half a tenth either side: a lowest 100 cm (3 ft 3.37 in) is "3/3.5",
// a highest 250 cm (8 ft 2.43 in) is "8/2.3".
QString feetAndInchesLimit(double centimetres, Limit limit);

// "%.1f" in either unit system, with the locale's decimal separator.
QString weightText(float weight);

// A whole text read as a finite single-precision number: decimal notation with an optional
// sign and exponent, no blanks; the locale's decimal separator and the point both mark the
// decimals. Not-a-number, infinities and values beyond the type's range give none.
std::optional<float> parseFloat(const QString& text);

// The same in double precision.
std::optional<double> parseDouble(const QString& text);

// The largest height and weight of any person: 300 cm and 650 kg, and their equals in feet and
// pounds (1 lb = 0.45359237 kg).
constexpr double highestHeightCm = 300.0;
constexpr double highestWeightKg = 650.0;
constexpr double kilogramsPerPound = 0.45359237;
double highestHeight(UnitType_DB::Defaults unit);
double highestWeight(UnitType_DB::Defaults unit);

// A typed height or weight that a profile takes: it reads as a number (parseHeight, parseFloat)
// from 0 to the largest of any person in the unit system. None for anything else, and the caller
// keeps the stored value.
std::optional<float> acceptedHeight(const QString& text, UnitType_DB::Defaults unit);
std::optional<float> acceptedWeight(const QString& text, UnitType_DB::Defaults unit);

// A typed height in the unit system's form. Feet are either decimal ("5.5") or feet "/" inches
// ("5/6", computed in double precision and kept in single); both parts of that form must be
// numbers. Anything else gives none, and the caller keeps the stored height.
std::optional<float> parseHeight(const QString& text, UnitType_DB::Defaults unit);

}
