#include "Brisvale/shell/BodyMeasures.h"

#include "Brisvale/platform/NumberText.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

// Reads the whole text as a number of type T; a leading "+" is allowed as the only sign.
template <typename T>
std::optional<T> parseNumber(const QString& text)
{
    std::string digits = text.toStdString();
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
        return NumberText::fixed(height, 0);
    }
    const float whole = std::trunc(height);
    const float fraction = height - whole;
    const double inches = static_cast<double>(fraction) * metresPerFoot / metresPerInch;
    return NumberText::fixed(whole, 0) + QLatin1Char('/') + NumberText::fixed(inches, 1);
}

QString weightText(float weight)
{
    return NumberText::fixed(weight, 1);
}

std::optional<float> parseFloat(const QString& text)
{
    return parseNumber<float>(text);
}

std::optional<double> parseDouble(const QString& text)
{
    return parseNumber<double>(text);
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
