#include "Brisvale/records/BodyMeasures.h"

#include "Brisvale/platform/NumberText.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

// Reads the whole text as a number of type T; a leading "+" is allowed as the only sign, and the
// locale's decimal separator stands for the point.
template <typename T>
std::optional<T> parseNumber(const QString& text)
{
    std::string digits = NumberText::fromShown(text).toStdString();
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.erase(0, 1);
    }
    T value{};
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A double kept in single precision, when it fits.
std::optional<float> toFloat(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

// The value when it lies from 0 to the highest, both included.
std::optional<float> withinRange(std::optional<float> value, double highest)
{
    if (!value || *value < 0.0f || static_cast<double>(*value) > highest) {
        return std::nullopt;
    }
    return value;
}

constexpr int inchesPerFoot = 12;
constexpr double tenthsPerInch = 10.0;

// Whole feet "/" inches "%.1f".
QString feetAndInchesText(double feet, double inches)
{
    return NumberText::shown(feet, 0) + QLatin1Char('/') + NumberText::shown(inches, 1);
}

std::optional<float> parseFeetAndInches(const QString& feetText, const QString& inchesText)
{
    const std::optional<double> feet = BodyMeasures::parseDouble(feetText);
    const std::optional<double> inches = BodyMeasures::parseDouble(inchesText);
    if (!feet || !inches) {
        return std::nullopt;
    }
    return toFloat(*feet + *inches * BodyMeasures::metresPerInch / BodyMeasures::metresPerFoot);
}

}

namespace BodyMeasures {

QString heightText(float height, UnitType_DB::Defaults unit)
{
    if (unit == UnitType_DB::Defaults::KgCm) {
        return NumberText::shown(height, 0);
    }
    const float whole = std::trunc(height);
    const float fraction = height - whole;
    const double inches = static_cast<double>(fraction) * metresPerFoot / metresPerInch;
    return feetAndInchesText(whole, inches);
}

QString feetAndInchesLimit(double centimetres, Limit limit)
{
    const double tenths = centimetres / 100.0 / metresPerInch * tenthsPerInch;
    const double shown = limit == Limit::lowest ? std::ceil(tenths + 0.5) : std::floor(tenths - 0.5);
    const double tenthsPerFoot = inchesPerFoot * tenthsPerInch;
    const double feet = std::floor(shown / tenthsPerFoot);
    return feetAndInchesText(feet, (shown - feet * tenthsPerFoot) / tenthsPerInch);
}

QString weightText(float weight)
{
    return NumberText::shown(weight, 1);
}

std::optional<float> parseFloat(const QString& text)
{
    return parseNumber<float>(text);
}

std::optional<double> parseDouble(const QString& text)
{
    return parseNumber<double>(text);
}

double highestHeight(UnitType_DB::Defaults unit)
{
    return unit == UnitType_DB::Defaults::KgCm ? highestHeightCm : highestHeightCm / 100.0 / metresPerFoot;
}

double highestWeight(UnitType_DB::Defaults unit)
{
    return unit == UnitType_DB::Defaults::KgCm ? highestWeightKg : highestWeightKg / kilogramsPerPound;
}

std::optional<float> acceptedHeight(const QString& text, UnitType_DB::Defaults unit)
{
    // Feet and inches each count on their own: "6/-3" is no height.
    const QStringList parts = text.split(QLatin1Char('/'));
    const bool negativePart = std::any_of(parts.cbegin(), parts.cend(), [](const QString& part) {
        return part.startsWith(QLatin1Char('-'));
    });
    const std::optional<float> height = parseHeight(text, unit);
    return withinRange(negativePart ? std::nullopt : height, highestHeight(unit));
}

std::optional<float> acceptedWeight(const QString& text, UnitType_DB::Defaults unit)
{
    return withinRange(parseFloat(text), highestWeight(unit));
}

std::optional<float> parseHeight(const QString& text, UnitType_DB::Defaults unit)
{
    if (unit == UnitType_DB::Defaults::FtIn) {
        const QStringList parts = text.split(QLatin1Char('/'));
        if (parts.size() >= 2) {
            return parseFeetAndInches(parts.at(0), parts.at(1));
        }
    }
    return parseFloat(text);
}

}
