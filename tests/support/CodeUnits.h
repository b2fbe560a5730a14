#pragma once

#include <QString>
#include <initializer_list>
#include <iterator>

// A text of the given UTF-16 code units, as they are: a literal or QString::fromUtf16 would take
// a leading U+FEFF for a byte-order mark.
inline QString codeUnits(std::initializer_list<char16_t> codes)
{
    return QString(reinterpret_cast<const QChar*>(std::data(codes)), qsizetype(codes.size()));
}
