#include "Brisvale/records/JsonText.h"

#include <charconv>
#include <cmath>

namespace JsonText {

namespace {

// The escape for a byte that may not stand in a JSON string as it is, or nullptr.
const char* shortEscape(unsigned char byte)
{
    switch (byte) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\b': return "\\b";
    case '\f': return "\\f";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: return nullptr;
    }
}

void appendEscape(QByteArray& out, unsigned char byte)
{
    if (const char* escape = shortEscape(byte)) {
        out += escape;
        return;
    }
    static constexpr char hex[] = "0123456789abcdef";
    const char unicodeEscape[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0xf]};
    out.append(unicodeEscape, sizeof unicodeEscape);
}

bool needsEscape(unsigned char byte)
{
    return byte < 0x20 || byte == '"' || byte == '\\';
}

bool appendShortest(QByteArray& out, double value)
{
    if (!std::isfinite(value)) {
        return false;
    }
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
    return true;
}

}

void appendString(QByteArray& out, const QString& value)
{
    // Bytes of multi-byte UTF-8 sequences are all 0x80 or above, so they never need escaping.
    const QByteArray utf8 = value.toUtf8();
    out += '"';
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (needsEscape(byte)) {
            out.append(utf8.constData() + runStart, i - runStart);
            appendEscape(out, byte);
            runStart = i + 1;
        }
    }
    out.append(utf8.constData() + runStart, utf8.size() - runStart);
    out += '"';
}

void appendInt32(QByteArray& out, qint32 value)
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr - text);
}

bool appendFloat(QByteArray& out, float value)
{
    if (!std::isfinite(value)) {
        return false;
    }
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, value).ptr;
    // Readers take JSON numbers as doubles. For a few floats (7.038531e-26 is one) the shortest
    // decimal lies so near the midpoint to the next float that its double rounds onto that
    // midpoint and narrows to the neighbour; such a float is written with the digits of its
    // exact double value instead, which read back as the float itself.
    double asRead = 0.0;
    std::from_chars(text, end, asRead);
    if (static_cast<float>(asRead) != value) {
        return appendShortest(out, static_cast<double>(value));
    }
    out.append(text, end - text);
    return true;
}

bool appendDouble(QByteArray& out, double value)
{
    return appendShortest(out, value);
}

}
