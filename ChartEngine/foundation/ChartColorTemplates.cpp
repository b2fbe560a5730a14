#include "ChartEngine/foundation/ChartColorTemplates.h"

#include "ChartEngine/foundation/TextScanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace Charts {

namespace {

const QString opening = QStringLiteral("( ");
const QString separators = QStringLiteral(", ");

// The largest component an extended colour keeps finite (its channels are 16-bit floats).
constexpr double largestComponent = 65504.0;

QColor makeColor(double red, double green, double blue, double alpha)
{
    const auto channel = [](double value) {
        return static_cast<float>(std::clamp(value, -largestComponent, largestComponent));
    };
    const double opacity = std::isnan(alpha) ? 1.0 : std::clamp(alpha, 0.0, 1.0);
    return QColor::fromRgbF(channel(red), channel(green), channel(blue),
                            static_cast<float>(opacity));
}

QColor fromComponents(std::int32_t red, std::int32_t green, std::int32_t blue, double alpha)
{
    return makeColor(red / 255.0, green / 255.0, blue / 255.0, alpha);
}

std::optional<int> hexDigit(uint c)
{
    if (c >= '0' && c <= '9') {
        return int(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return int(c - 'a') + 10;
    }
    return std::nullopt;
}

}

QList<QColor> ChartColorTemplates::liberty()
{
    return {QColor(207, 248, 246), QColor(148, 212, 212), QColor(136, 180, 187),
            QColor(118, 174, 175), QColor(42, 109, 130)};
}

QList<QColor> ChartColorTemplates::joyful()
{
    return {QColor(217, 80, 138), QColor(254, 149, 7), QColor(254, 247, 120),
            QColor(106, 167, 134), QColor(53, 194, 209)};
}

QList<QColor> ChartColorTemplates::pastel()
{
    return {QColor(64, 89, 128), QColor(149, 165, 124), QColor(217, 184, 162),
            QColor(191, 134, 134), QColor(179, 48, 80)};
}

QList<QColor> ChartColorTemplates::colorful()
{
    return {QColor(193, 37, 82), QColor(255, 102, 0), QColor(245, 199, 0), QColor(106, 150, 31),
            QColor(179, 100, 53)};
}

QList<QColor> ChartColorTemplates::vordiplom()
{
    return {QColor(192, 255, 140), QColor(255, 247, 140), QColor(255, 208, 140),
            QColor(140, 234, 255), QColor(255, 140, 157)};
}

QList<QColor> ChartColorTemplates::material()
{
    return {QColor(46, 204, 113), QColor(241, 196, 15), QColor(231, 76, 60), QColor(52, 152, 219)};
}

QColor ChartColorTemplates::colorFromString(const QString& text)
{
    const QString lower = text.toLower();
    if (lower.startsWith(QLatin1Char('#'))) {
        return fromHexDigits(lower.mid(1));
    }
    // "rgba" and "argb" before "rgb", which begins "rgba".
    if (lower.startsWith(QLatin1String("rgba"))) {
        return fromRgba(lower);
    }
    if (lower.startsWith(QLatin1String("argb"))) {
        return fromArgb(lower);
    }
    if (lower.startsWith(QLatin1String("rgb"))) {
        return fromRgb(lower);
    }
    return QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.0f);
}

QColor ChartColorTemplates::fromHexDigits(const QString& digits)
{
    const QList<uint> scalars = digits.toUcs4();
    const qsizetype count = scalars.size();
    const QColor black(0, 0, 0);
    if (count != 3 && count != 6 && count != 8) {
        return black;
    }
    // alpha, red, green, blue; eight digits begin with alpha, fewer with red.
    std::array<int, 4> argb{255, 0, 0, 0};
    const std::size_t first = count == 8 ? 0 : 1;
    const qsizetype perComponent = count == 3 ? 1 : 2;
    qsizetype at = 0;
    for (std::size_t component = first; component < argb.size(); ++component) {
        const std::optional<int> high = hexDigit(scalars[at]);
        const std::optional<int> low = hexDigit(scalars[at + perComponent - 1]);
        if (!high || !low) {
            return black;
        }
        argb[component] = *high * 16 + *low;
        at += perComponent;
    }
    return QColor(argb[1], argb[2], argb[3], argb[0]);
}

QColor ChartColorTemplates::fromRgba(const QString& text)
{
    std::int32_t red = 0, green = 0, blue = 0;
    float alpha = 1.0f;
    TextScanner scanner(text);
    scanner.scanWord(QStringLiteral("rgba"));
    scanner.scanCharacters(opening);
    scanner.scanInt32(red);
    scanner.scanCharacters(separators);
    scanner.scanInt32(green);
    scanner.scanCharacters(separators);
    scanner.scanInt32(blue);
    scanner.scanCharacters(separators);
    scanner.scanFloat(alpha);
    return fromComponents(red, green, blue, alpha);
}

QColor ChartColorTemplates::fromArgb(const QString& text)
{
    std::int32_t red = 0, green = 0, blue = 0;
    float alpha = 1.0f;
    TextScanner scanner(text);
    scanner.scanWord(QStringLiteral("argb"));
    scanner.scanCharacters(opening);
    scanner.scanFloat(alpha);
    scanner.scanCharacters(separators);
    scanner.scanInt32(red);
    scanner.scanCharacters(separators);
    scanner.scanInt32(green);
    scanner.scanCharacters(separators);
    scanner.scanInt32(blue);
    return fromComponents(red, green, blue, alpha);
}

QColor ChartColorTemplates::fromRgb(const QString& text)
{
    std::int32_t red = 0, green = 0, blue = 0;
    TextScanner scanner(text);
    scanner.scanWord(QStringLiteral("rgb"));
    scanner.scanCharacters(opening);
    scanner.scanInt32(red);
    scanner.scanCharacters(separators);
    scanner.scanInt32(green);
    scanner.scanCharacters(separators);
    scanner.scanInt32(blue);
    return fromComponents(red, green, blue, 1.0);
}

}
