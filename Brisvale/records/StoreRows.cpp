#include "Brisvale/records/StoreRows.h"

#include <QSqlQuery>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>
#include <bit>
#include <cmath>
#include <limits>
#include <span>

namespace StoreRows {

namespace {

// A column of a row and whether it holds text (see textValue and readText).
struct Column {
    const char* name;
    bool text = false;
};

constexpr Column profileColumns[] = {
    {"accountID_cloud"}, {"best_Value"}, {"best_Value_Type"}, {"birthday"},
    {"date_format"},     {"email", true}, {"gender"},         {"height"},
    {"name", true},      {"region"},     {"time_format"},     {"unit_type"},
    {"weight"},          {"zone_Plan"},
};
constexpr Column readingColumns[] = {{"pefValue"}, {"fev1Value"}, {"measureDate"}, {"note", true}};

template <typename Each>
QString joined(std::span<const Column> columns, Each each)
{
    QStringList parts;
    for (const Column& column : columns) {
        parts << each(QString::fromLatin1(column.name), column.text);
    }
    return parts.join(QStringLiteral(", "));
}

QString names(std::span<const Column> columns)
{
    return joined(columns, [](const QString& name, bool) { return name; });
}

// What a selection reads of each column: a text as the hex digits of its UTF-8 bytes, NULL
// kept.
QString selected(std::span<const Column> columns)
{
    return joined(columns, [](const QString& name, bool text) {
        return text ? QStringLiteral("CASE WHEN %1 IS NULL THEN NULL ELSE hex(%1) END").arg(name)
                    : name;
    });
}

// The value bound for a column: a text's UTF-8 bytes made text again by SQLite.
QString placeholder(bool text)
{
    return text ? QStringLiteral("CAST(? AS TEXT)") : QStringLiteral("?");
}

QString placeholders(std::span<const Column> columns)
{
    return joined(columns, [](const QString&, bool text) { return placeholder(text); });
}

QString assignments(std::span<const Column> columns)
{
    return joined(columns, [](const QString& name, bool text) {
        return name + QStringLiteral(" = ") + placeholder(text);
    });
}

QVariant nullOf(QMetaType type)
{
    return QVariant(type);
}

QVariant dateValue(const std::optional<Timestamp>& date)
{
    return date ? QVariant(date->seconds) : nullOf(QMetaType::fromType<double>());
}

// A text goes to the store as its UTF-8 bytes, which the statement casts to text: bound as
// text, Qt's driver hands SQLite UTF-16, whose leading U+FEFF or U+FFFE SQLite takes for a
// byte-order mark (dropped, or every later unit's bytes swapped). A present text is never bound
// as null bytes: Qt would store them as NULL (absent).
QVariant textValue(const std::optional<QString>& text)
{
    if (!text) {
        return nullOf(QMetaType::fromType<QByteArray>());
    }
    const QByteArray bytes = text->toUtf8();
    return bytes.isNull() ? QByteArray("", 0) : bytes;
}

QVariant floatValue(float value)
{
    return QVariant(static_cast<double>(value));
}

std::optional<Timestamp> readDate(const QSqlQuery& query, int column)
{
    if (query.isNull(column)) {
        return std::nullopt;
    }
    bool numeric = false;
    const double seconds = query.value(column).toDouble(&numeric);
    if (!numeric || !std::isfinite(seconds)) {
        return std::nullopt;
    }
    return Timestamp{seconds};
}

// A text comes from the store as the hex digits of its UTF-8 bytes: read as text, SQLite's own
// conversion to UTF-16 gives U+FFFD for U+FFFE and U+FFFF. A leading U+FEFF is the text's own,
// where QString::fromUtf8 would drop it as a byte-order mark.
std::optional<QString> readText(const QSqlQuery& query, int column)
{
    if (query.isNull(column)) {
        return std::nullopt;
    }
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = fromUtf8(QByteArray::fromHex(query.value(column).toString().toLatin1()));
    return text.isNull() ? QString(QLatin1String("")) : text;
}

float readFloat(const QSqlQuery& query, int column)
{
    if (query.isNull(column)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    return narrowToFloat(query.value(column).toDouble());
}

qint32 readInt(const QSqlQuery& query, int column)
{
    const qlonglong value = query.value(column).toLongLong();
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
        return 0;
    }
    return static_cast<qint32>(value);
}

bool readBool(const QSqlQuery& query, int column)
{
    return query.value(column).toLongLong() != 0;
}

bool storable(const std::optional<QString>& text)
{
    return !text || text->isValidUtf16();
}

bool sameFloat(float a, float b)
{
    return std::bit_cast<quint32>(a) == std::bit_cast<quint32>(b);
}

bool sameDate(const std::optional<Timestamp>& a, const std::optional<Timestamp>& b)
{
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return !a || std::bit_cast<quint64>(a->seconds) == std::bit_cast<quint64>(b->seconds);
}

// Present texts compare by content; a null and an empty present text are the same text.
bool sameText(const std::optional<QString>& a, const std::optional<QString>& b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

}

const QString selectProfiles = QStringLiteral("SELECT id, ") + selected(profileColumns)
    + QStringLiteral(" FROM Profile ORDER BY id");
const QString selectProfileById = QStringLiteral("SELECT id, ") + selected(profileColumns)
    + QStringLiteral(" FROM Profile WHERE id = ?");
const QString selectReadingsOfOwner = QStringLiteral("SELECT id, ") + selected(readingColumns)
    + QStringLiteral(" FROM PFM WHERE accountID = ?");
const QString selectReadingsOfOwnerBetween = QStringLiteral("SELECT id, ")
    + selected(readingColumns)
    + QStringLiteral(" FROM PFM WHERE accountID = ? AND measureDate >= ? AND measureDate <= ?"
                     " ORDER BY measureDate DESC, id DESC");
const QString selectReadingById = QStringLiteral("SELECT id, ") + selected(readingColumns)
    + QStringLiteral(", accountID FROM PFM WHERE id = ?");
const QString insertProfile = QStringLiteral("INSERT INTO Profile (") + names(profileColumns)
    + QStringLiteral(") VALUES (") + placeholders(profileColumns) + QStringLiteral(")");
const QString updateProfile = QStringLiteral("UPDATE Profile SET ") + assignments(profileColumns)
    + QStringLiteral(" WHERE id = ?");
const QString deleteProfile = QStringLiteral("DELETE FROM Profile WHERE id = ?");
const QString nextReadingId =
    QStringLiteral("SELECT max(coalesce((SELECT seq FROM sqlite_sequence WHERE name = 'PFM'), 0),"
                   " coalesce((SELECT max(id) FROM PFM), 0)) + 1");
const QString updateReading = QStringLiteral("UPDATE PFM SET ") + assignments(readingColumns)
    + QStringLiteral(" WHERE id = ?");
const QString deleteReading = QStringLiteral("DELETE FROM PFM WHERE id = ?");

int bindProfile(QSqlQuery& query, const ProfileAttributes& a)
{
    const QVariant values[] = {
        a.accountID_cloud,
        a.best_Value,
        a.best_Value_Type ? 1 : 0,
        dateValue(a.birthday),
        a.date_format,
        textValue(a.email),
        a.gender ? 1 : 0,
        floatValue(a.height),
        textValue(a.name),
        a.region ? 1 : 0,
        a.time_format ? 1 : 0,
        a.unit_type ? 1 : 0,
        floatValue(a.weight),
        a.zone_Plan,
    };
    int position = 0;
    for (const QVariant& value : values) {
        query.bindValue(position++, value);
    }
    return position;
}

QString insertReadings(int rows)
{
    const QString row = QStringLiteral("(?, ") + placeholders(readingColumns)
        + QStringLiteral(", ?)");
    QString statement = QStringLiteral("INSERT INTO PFM (id, ") + names(readingColumns)
        + QStringLiteral(", accountID) VALUES ") + row;
    for (int more = 1; more < rows; ++more) {
        statement += QStringLiteral(", ") + row;
    }
    return statement;
}

int bindReading(QSqlQuery& query, const PFMAttributes& a, int position)
{
    query.bindValue(position, a.pefValue);
    query.bindValue(position + 1, floatValue(a.fev1Value));
    query.bindValue(position + 2, dateValue(a.measureDate));
    query.bindValue(position + 3, textValue(a.note));
    return position + 4;
}

int bindNewReading(
    QSqlQuery& query, int position, qint64 id, const PFMAttributes& attributes, qint64 ownerId)
{
    query.bindValue(position, id);
    position = bindReading(query, attributes, position + 1);
    query.bindValue(position, ownerId);
    return position + 1;
}

ProfileAttributes readProfile(const QSqlQuery& query)
{
    ProfileAttributes a;
    a.accountID_cloud = readInt(query, 1);
    a.best_Value = readInt(query, 2);
    a.best_Value_Type = readBool(query, 3);
    a.birthday = readDate(query, 4);
    a.date_format = readInt(query, 5);
    a.email = readText(query, 6);
    a.gender = readBool(query, 7);
    a.height = readFloat(query, 8);
    a.name = readText(query, 9);
    a.region = readBool(query, 10);
    a.time_format = readBool(query, 11);
    a.unit_type = readBool(query, 12);
    a.weight = readFloat(query, 13);
    a.zone_Plan = readInt(query, 14);
    return a;
}

std::optional<PFMAttributes> readReading(const QSqlQuery& query)
{
    PFMAttributes a;
    a.measureDate = readDate(query, 3);
    if (!a.measureDate) {
        return std::nullopt;
    }
    a.pefValue = readInt(query, 1);
    a.fev1Value = readFloat(query, 2);
    a.note = readText(query, 4);
    return a;
}

qint64 readOwnerId(const QSqlQuery& query)
{
    return query.value(5).toLongLong();
}

bool holdsStorableTexts(const ProfileAttributes& attributes)
{
    return storable(attributes.email) && storable(attributes.name);
}

bool holdsStorableTexts(const PFMAttributes& attributes)
{
    return storable(attributes.note);
}

bool differ(const ProfileAttributes& a, const ProfileAttributes& b)
{
    return a.accountID_cloud != b.accountID_cloud || a.best_Value != b.best_Value
        || a.best_Value_Type != b.best_Value_Type || !sameDate(a.birthday, b.birthday)
        || a.date_format != b.date_format || !sameText(a.email, b.email) || a.gender != b.gender
        || !sameFloat(a.height, b.height) || !sameText(a.name, b.name) || a.region != b.region
        || a.time_format != b.time_format || a.unit_type != b.unit_type
        || !sameFloat(a.weight, b.weight) || a.zone_Plan != b.zone_Plan;
}

bool differ(const PFMAttributes& a, const PFMAttributes& b)
{
    return a.pefValue != b.pefValue || !sameFloat(a.fev1Value, b.fev1Value)
        || !sameDate(a.measureDate, b.measureDate) || !sameText(a.note, b.note);
}

float narrowToFloat(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -largest) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

}
