#include "ChartEngine/foundation/NumberFormatter.h"

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {
int digitCount(int digits)
{
    return std::clamp(digits, 0, NumberFormatter::maximumDigitCount);
}
}

NumberFormatter::NumberFormatter(const QLocale& locale)
    : m_locale(locale)
{
}

void NumberFormatter::setMinimumFractionDigits(int digits)
{
    m_minimumFractionDigits = digitCount(digits);
    m_maximumFractionDigits = std::max(m_maximumFractionDigits, m_minimumFractionDigits);
}

void NumberFormatter::setMaximumFractionDigits(int digits)
{
    m_maximumFractionDigits = digitCount(digits);
    m_minimumFractionDigits = std::min(m_minimumFractionDigits, m_maximumFractionDigits);
}

QString NumberFormatter::stringFromNumber(double value) const
{
    QLocale locale = m_locale;
    locale.setNumberOptions(m_usesGroupingSeparator ? QLocale::DefaultNumberOptions
                                                    : QLocale::OmitGroupSeparator);
    const QString text = locale.toString(value, 'f', m_maximumFractionDigits);
    if (!std::isfinite(value) || m_minimumFractionDigits == m_maximumFractionDigits) {
        return text;
    }
    return trimmedFraction(text);
}

QString NumberFormatter::trimmedFraction(QString text) const
{
    const QString point = m_locale.decimalPoint();
    const qsizetype pointAt = text.lastIndexOf(point);
    if (pointAt < 0) {
        return text;
    }
    // The fraction holds digits only, each as long as the locale's zero.
    const QString zero = m_locale.zeroDigit();
    qsizetype fractionDigits = (text.size() - pointAt - point.size()) / zero.size();
    while (fractionDigits > m_minimumFractionDigits && text.endsWith(zero)) {
        text.chop(zero.size());
        --fractionDigits;
    }
    if (fractionDigits == 0) {
        text.chop(point.size());
    }
    return text;
}

}
