#include "Brisvale/records/JsonText.h"

#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace JsonText {

namespace {

// U+FEFF in UTF-8, and its escape. A JSON reader may take the character for a byte-order mark
// and drop it (Qt's does at the start of a string without escapes); escaped, it is read as the
// text's own.
constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");
constexpr char byteOrderMarkEscape[] = "\\ufeff";

bool startsByteOrderMark(const QByteArray& text, qsizetype at)
{
    return QByteArrayView(text).sliced(at).startsWith(byteOrderMark);
}

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

// The character that the escape "\<kind>" stands for (the "u" escape aside).
QChar unescaped(char kind)
{
    switch (kind) {
    case 'b': return QLatin1Char('\b');
    case 'f': return QLatin1Char('\f');
    case 'n': return QLatin1Char('\n');
    case 'r': return QLatin1Char('\r');
    case 't': return QLatin1Char('\t');
    default: return QLatin1Char(kind); // '"', '\\' and '/'
    }
}

// The JSON string whose opening quote stands at `at`, its escapes decoded; `at` moves past its
// closing quote.
QString readString(const QByteArray& text, qsizetype& at)
{
    QString decoded;
    qsizetype runStart = ++at;
    while (at < text.size() && text[at] != '"') {
        if (text[at] != '\\' || at + 1 >= text.size()) {
            ++at;
            continue;
        }
        decoded += QString::fromUtf8(text.constData() + runStart, at - runStart);
        if (text[at + 1] == 'u') {
            decoded += QChar(text.mid(at + 2, 4).toUShort(nullptr, 16));
            at += 6;
        } else {
            decoded += unescaped(text[at + 1]);
            at += 2;
        }
        runStart = std::min(at, text.size());
    }
    decoded += QString::fromUtf8(text.constData() + runStart, std::min(at, text.size()) - runStart);
    ++at;
    return decoded;
}

// Moves `at` from the opening quote of a JSON string past its closing quote.
void skipString(const QByteArray& text, qsizetype& at)
{
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] == '\\') {
            ++at;
        }
    }
    ++at;
}

// An object or array being read: an object's keys so far, and whether a key comes next.
struct OpenValue {
    bool object = false;
    bool keyNext = false;
    std::vector<QString> keys;
};

// A key that the keys hold twice, or none; sorts them.
std::optional<QString> repeatIn(std::vector<QString>& keys)
{
    std::sort(keys.begin(), keys.end());
    const auto repeat = std::adjacent_find(keys.begin(), keys.end());
    return repeat == keys.end() ? std::nullopt : std::optional<QString>(*repeat);
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
        const bool mark = startsByteOrderMark(utf8, i);
        if (needsEscape(byte) || mark) {
            out.append(utf8.constData() + runStart, i - runStart);
            if (mark) {
                out += byteOrderMarkEscape;
                i += byteOrderMark.size() - 1;
            } else {
                appendEscape(out, byte);
            }
            runStart = i + 1;
        }
    }
    out.append(utf8.constData() + runStart, utf8.size() - runStart);
    out += '"';
}

QByteArray escapeByteOrderMarks(const QByteArray& document)
{
    if (!document.contains(byteOrderMark)) {
        return document;
    }
    QByteArray out;
    out.reserve(document.size() + 16);
    bool inString = false;
    for (qsizetype at = 0; at < document.size(); ++at) {
        const char ch = document[at];
        if (inString && startsByteOrderMark(document, at)) {
            out += byteOrderMarkEscape;
            at += byteOrderMark.size() - 1;
            continue;
        }
        out += ch;
        if (inString && ch == '\\' && at + 1 < document.size()) {
            out += document[++at];
        } else if (ch == '"') {
            inString = !inString;
        }
    }
    return out;
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

std::optional<QString> repeatedKey(const QByteArray& document)
{
    // One entry per depth, kept for the next value at that depth so that its key list is reused.
    std::vector<OpenValue> open;
    size_t depth = 0;
    for (qsizetype at = 0; at < document.size();) {
        const char ch = document[at];
        if (ch == '"' && depth > 0 && open[depth - 1].keyNext) {
            open[depth - 1].keys.push_back(readString(document, at));
            open[depth - 1].keyNext = false;
            continue;
        }
        if (ch == '"') {
            skipString(document, at);
            continue;
        }
        if (ch == '{' || ch == '[') {
            if (open.size() == depth) {
                open.emplace_back();
            }
            open[depth].object = open[depth].keyNext = ch == '{';
            open[depth].keys.clear();
            ++depth;
        } else if ((ch == '}' || ch == ']') && depth > 0) {
            --depth;
            if (std::optional<QString> repeat = repeatIn(open[depth].keys)) {
                return repeat;
            }
        } else if (ch == ',' && depth > 0) {
            open[depth - 1].keyNext = open[depth - 1].object;
        }
        ++at;
    }
    return std::nullopt;
}

}
