#include "ChartEngine/foundation/TextScanner.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <limits>

namespace Charts {

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

bool isExponentMark(QChar c)
{
    return c == QLatin1Char('e') || c == QLatin1Char('E');
}
}

TextScanner::TextScanner(QString text)
    : m_text(std::move(text))
{
}

bool TextScanner::isAtEnd() const
{
    qsizetype at = m_position;
    while (at < m_text.size() && m_text.at(at).isSpace()) {
        ++at;
    }
    return at == m_text.size();
}

void TextScanner::skipWhiteSpace()
{
    while (m_position < m_text.size() && m_text.at(m_position).isSpace()) {
        ++m_position;
    }
}

qsizetype TextScanner::digitsFrom(qsizetype at) const
{
    qsizetype end = at;
    while (end < m_text.size() && isDigit(m_text.at(end))) {
        ++end;
    }
    return end - at;
}

bool TextScanner::scanWord(const QString& word)
{
    skipWhiteSpace();
    if (word.isEmpty() || !QStringView(m_text).mid(m_position).startsWith(word)) {
        return false;
    }
    m_position += word.size();
    return true;
}

bool TextScanner::scanCharacters(const QString& characters)
{
    skipWhiteSpace();
    const qsizetype start = m_position;
    while (m_position < m_text.size() && characters.contains(m_text.at(m_position))) {
        ++m_position;
    }
    return m_position > start;
}

bool TextScanner::scanInt32(std::int32_t& value)
{
    skipWhiteSpace();
    qsizetype at = m_position;
    const bool negative = at < m_text.size() && m_text.at(at) == QLatin1Char('-');
    if (at < m_text.size() && isSign(m_text.at(at))) {
        ++at;
    }
    const qsizetype digits = digitsFrom(at);
    if (digits == 0) {
        return false;
    }
    // Accumulated away from zero in 64 bits, stopping at the 32-bit limit.
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (qsizetype i = at; i < at + digits; ++i) {
        magnitude = std::min(limit, magnitude * 10 + (m_text.at(i).unicode() - u'0'));
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    m_position = at + digits;
    return true;
}

bool TextScanner::scanFloat(float& value)
{
    skipWhiteSpace();
    const qsizetype end = decimalEnd(m_position);
    if (end < 0) {
        return false;
    }
    // The characters read are ASCII with "." as the decimal point; strtof reads the C
    // library's current decimal point and gives ±infinity beyond the float range.
    QByteArray number = m_text.mid(m_position, end - m_position).toLatin1();
    const char* point = std::localeconv()->decimal_point;
    if (point && *point && qstrcmp(point, ".") != 0) {
        number.replace('.', point);
    }
    value = std::strtof(number.constData(), nullptr);
    m_position = end;
    return true;
}

qsizetype TextScanner::decimalEnd(qsizetype at) const
{
    if (at < m_text.size() && isSign(m_text.at(at))) {
        ++at;
    }
    const qsizetype whole = digitsFrom(at);
    at += whole;
    const bool hasPoint = at < m_text.size() && m_text.at(at) == QLatin1Char('.');
    const qsizetype fraction = hasPoint ? digitsFrom(at + 1) : 0;
    if (whole + fraction == 0) {
        return -1;
    }
    if (hasPoint) {
        at += 1 + fraction;
    }
    // An exponent counts only with digits.
    if (at < m_text.size() && isExponentMark(m_text.at(at))) {
        qsizetype exponent = at + 1;
        if (exponent < m_text.size() && isSign(m_text.at(exponent))) {
            ++exponent;
        }
        const qsizetype exponentDigits = digitsFrom(exponent);
        if (exponentDigits > 0) {
            at = exponent + exponentDigits;
        }
    }
    return at;
}

}
