#pragma once

#include <QString>
#include <cstdint>

namespace Charts {

// Reads values from the front of a text, step by step. Every step first skips white space; a
// step that finds nothing returns false, leaves its output unchanged and does not move the
// scan position, so the next step starts where this one would have.
class TextScanner {
public:
    explicit TextScanner(QString text);

    qsizetype position() const { return m_position; }
    bool isAtEnd() const;

    // The exact word `word` (case-sensitive).
    bool scanWord(const QString& word);
    // A run of one or more characters out of `characters`.
    bool scanCharacters(const QString& characters);
    // A whole number with an optional sign; one beyond the 32-bit range gives the range's end
    // (all its digits are read).
    bool scanInt32(std::int32_t& value);
    // A decimal number with an optional sign, fraction and exponent, as a 32-bit float; one
    // beyond the float range gives an infinity.
    bool scanFloat(float& value);

private:
    void skipWhiteSpace();
    qsizetype digitsFrom(qsizetype at) const;
    // Where a decimal number starting at `at` ends, or -1 when there is none.
    qsizetype decimalEnd(qsizetype at) const;

    QString m_text;
    qsizetype m_position = 0;
};

}
