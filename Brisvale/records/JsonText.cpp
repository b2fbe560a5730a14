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

template <typename Number>
bool appendShortest(QByteArray& out, Number value)
{
    if (!std::isfinite(value)) {
        return false;
    }
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc()) {
        return false;
    }
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
    return appendShortest(out, value);
}

bool appendDouble(QByteArray& out, double value)
{
    return appendShortest(out, value);
}

}
