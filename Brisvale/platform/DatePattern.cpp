#include "Brisvale/platform/DatePattern.h"

#include <algorithm>

namespace DatePattern {

namespace {

bool isPatternLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Literal text for Qt. Text holding a letter or a quote is quoted, with each quote doubled;
// text of quotes alone is written as "''" per quote (Qt would read "''''" as two quotes).
QString literalForQt(const QString& text)
{
    const auto isQuote = [](QChar c) { return c == QLatin1Char('\''); };
    if (!text.isEmpty() && std::all_of(text.begin(), text.end(), isQuote)) {
        return QString(text.size() * 2, QLatin1Char('\''));
    }
    const bool plain = std::none_of(text.begin(), text.end(), [&](QChar c) {
        return isPatternLetter(c) || isQuote(c);
    });
    if (plain) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// One field: `count` repetitions of `letter`.
QString fieldForQt(QChar letter, qsizetype count)
{
    const auto clamp = [&](qsizetype most) { return QString(std::min(count, most), letter); };
    switch (letter.unicode()) {
    case 'y':
    case 'u': return count == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    case 'M':
    case 'L': return count > 4 ? QStringLiteral("MMM") : QString(count, QLatin1Char('M'));
    case 'd':
    case 'H':
    case 'h':
    case 'm':
    case 's': return clamp(2);
    case 'E': return count == 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
    case 'S': return QStringLiteral("zzz");
    case 'a': return QStringLiteral("Ap");
    default: return literalForQt(QString(count, letter));
    }
}

// Reads a quoted section starting at the opening quote; appends its text to `literal` and
// returns the position after the closing quote (or the end, for a quote left open).
qsizetype readQuoted(const QString& pattern, qsizetype i, QString& literal)
{
    ++i;
    while (i < pattern.size()) {
        if (pattern[i] != QLatin1Char('\'')) {
            literal += pattern[i++];
        } else if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('\'')) {
            literal += QLatin1Char('\'');
            i += 2;
        } else {
            return i + 1;
        }
    }
    return i;
}

}

QString toQt(const QString& pattern)
{
    QString result;
    QString literal;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('\'')) {
                literal += QLatin1Char('\'');
                i += 2;
            } else {
                i = readQuoted(pattern, i, literal);
            }
        } else if (isPatternLetter(c)) {
            qsizetype count = 1;
            while (i + count < pattern.size() && pattern[i + count] == c) {
                ++count;
            }
            result += literalForQt(literal) + fieldForQt(c, count);
            literal.clear();
            i += count;
        } else {
            literal += c;
            ++i;
        }
    }
    return result + literalForQt(literal);
}

QString format(const QDateTime& moment, const QString& pattern, const QLocale& locale)
{
    return locale.toString(moment, toQt(pattern));
}

}
