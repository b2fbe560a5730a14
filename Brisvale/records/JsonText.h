#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// The fragments of JSON text that the backup writer puts together by hand (it keeps its keys in a
// fixed order, which a QJsonObject would sort), and the one check of JSON text that the reader
// (QJsonDocument) leaves out.
namespace JsonText {

// `value` as a JSON string: quotes, backslashes, control characters and U+FEFF (which a reader
// may drop as a byte-order mark) escaped, everything else (non-ASCII included) kept as UTF-8.
// "/" is not escaped.
void appendString(QByteArray& out, const QString& value);

// The same JSON text with each U+FEFF inside a string written as its escape, so that a reader
// keeps it as the text's own; one before the first value stays a byte-order mark.
QByteArray escapeByteOrderMarks(const QByteArray& document);

void appendInt32(QByteArray& out, qint32 value);

// The shortest decimal that reads back as exactly `value`, also when a reader takes it as a
// double first (3.45f gives "3.45"). A value that is not finite has no JSON form: nothing is
// appended and the answer is false.
bool appendFloat(QByteArray& out, float value);

// The shortest decimal that reads back as exactly `value` (86400.0 gives "86400"); false, with
// nothing appended, when it is not finite.
bool appendDouble(QByteArray& out, double value);

// A key that one object of `document` holds twice, decoded ("a" and "\u0061" are one
// key), or none. QJsonDocument keeps the last value of a repeated key without a word. Meant for
// text that QJsonDocument has read; other text answers none or some key, never more.
std::optional<QString> repeatedKey(const QByteArray& document);

}
