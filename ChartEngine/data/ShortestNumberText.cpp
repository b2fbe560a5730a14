#include "ChartEngine/data/ShortestNumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace Charts {

namespace {

// The shortest round-trip digits of a finite value and the decimal exponent of the first digit:
// value = d1.d2d3... x 10^exponent.
struct Digits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Digits shortestDigits(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    Digits out;
    std::size_t i = 0;
    if (text[i] == '-') {
        out.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i) {
        if (text[i] != '.') {
            out.digits += text[i];
        }
    }
    out.exponent = std::atoi(text.c_str() + e + 1);
    return out;
}

std::string exponentForm(const Digits& d)
{
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += '.' + d.digits.substr(1);
    }
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) {
        text += '0';
    }
    return text + std::to_string(magnitude);
}

std::string decimalForm(const Digits& d)
{
    if (d.exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    std::string digits = d.digits;
    if (digits.size() < integerDigits) {
        digits.append(integerDigits - digits.size(), '0');
    }
    const std::string fraction = digits.substr(integerDigits);
    return digits.substr(0, integerDigits) + '.' + (fraction.empty() ? std::string("0") : fraction);
}

}

QString shortestNumberText(double value)
{
    if (std::isnan(value)) {
        return QStringLiteral("nan");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    }
    const Digits d = shortestDigits(value);
    constexpr double exponentFormAbove = 18014398509481984.0; // 2^54
    const bool useExponent = (value != 0.0 && d.exponent < -4) || std::fabs(value) > exponentFormAbove;
    const std::string body = useExponent ? exponentForm(d) : decimalForm(d);
    return QString::fromStdString((d.negative ? "-" : "") + body);
}

}
