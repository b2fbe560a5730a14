#include "Brisvale/records/BackupFieldReader.h"

#include <cmath>
#include <limits>

namespace {

// Every number of smaller magnitude rounds to a finite float: the largest float plus half a
// step, 2^128 - 2^103 (the bound itself rounds to infinity).
constexpr double floatLimit = 0x1.ffffffp127;

bool isInt32(double value)
{
    return std::trunc(value) == value
        && value >= static_cast<double>(std::numeric_limits<qint32>::min())
        && value <= static_cast<double>(std::numeric_limits<qint32>::max());
}

}

BackupFieldReader::BackupFieldReader(const QJsonObject& object)
    : m_object(object)
{
}

qint32 BackupFieldReader::int32(QLatin1StringView key)
{
    const std::optional<double> number = requiredNumber(key);
    if (!number || !check(isInt32(*number), key, "is not a 32-bit integer")) {
        return 0;
    }
    return static_cast<qint32>(*number);
}

qint32 BackupFieldReader::optionalInt32(QLatin1StringView key, qint32 lowest, qint32 highest,
                                        qint32 absent)
{
    const std::optional<QJsonValue> value = optional(key, QJsonValue::Double, "is not a number");
    if (!value) {
        return ok() ? absent : 0;
    }
    const double number = value->toDouble();
    if (!check(isInt32(number), key, "is not a 32-bit integer")
        || !check(number >= lowest && number <= highest, key,
                  QStringLiteral("is not from %1 to %2").arg(lowest).arg(highest))) {
        return 0;
    }
    return static_cast<qint32>(number);
}

bool BackupFieldReader::boolean(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    return value && check(value->isBool(), key, "is not true or false") && value->toBool();
}

float BackupFieldReader::singleFloat(QLatin1StringView key)
{
    const std::optional<double> number = requiredNumber(key);
    if (!number || !check(std::fabs(*number) < floatLimit, key, "does not fit a float")) {
        return 0.0f;
    }
    return static_cast<float>(*number);
}

Timestamp BackupFieldReader::date(QLatin1StringView key)
{
    return Timestamp{requiredNumber(key).value_or(0.0)};
}

std::optional<Timestamp> BackupFieldReader::optionalDate(QLatin1StringView key)
{
    const std::optional<QJsonValue> value =
        optional(key, QJsonValue::Double, "is not a number");
    if (!value || !check(std::isfinite(value->toDouble()), key, "is not a finite number")) {
        return std::nullopt;
    }
    return Timestamp{value->toDouble()};
}

QString BackupFieldReader::string(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    if (!value || !check(value->isString(), key, "is not a string")) {
        return QString();
    }
    return validText(value->toString(), key);
}

std::optional<QString> BackupFieldReader::optionalString(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = optional(key, QJsonValue::String, "is not a string");
    if (!value) {
        return std::nullopt;
    }
    return validText(value->toString(), key);
}

// JSON escapes can name half of a surrogate pair ("\ud800"), which is no character: such a
// text could not be stored as it is, and would match nothing after.
QString BackupFieldReader::validText(const QString& text, QLatin1StringView key)
{
    return check(text.isValidUtf16(), key, "is not valid text") ? text : QString();
}

QJsonArray BackupFieldReader::array(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    if (!value || !check(value->isArray(), key, "is not an array")) {
        return QJsonArray();
    }
    return value->toArray();
}

std::optional<QJsonValue> BackupFieldReader::required(QLatin1StringView key)
{
    const QJsonValue value = m_object.value(key);
    if (!check(!value.isUndefined(), key, "is missing")
        || !check(!value.isNull(), key, "is null")) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> BackupFieldReader::requiredNumber(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    if (!value || !check(value->isDouble(), key, "is not a number")
        || !check(std::isfinite(value->toDouble()), key, "is not a finite number")) {
        return std::nullopt;
    }
    return value->toDouble();
}

std::optional<QJsonValue> BackupFieldReader::optional(QLatin1StringView key, QJsonValue::Type type,
                                                      const char* expected)
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined() || value.isNull() || !check(value.type() == type, key, expected)) {
        return std::nullopt;
    }
    return value;
}

bool BackupFieldReader::require(bool condition, QLatin1StringView key, const QString& problem)
{
    return check(condition, key, problem);
}

bool BackupFieldReader::check(bool condition, QLatin1StringView key, const char* problem)
{
    return check(condition, key, QString::fromLatin1(problem));
}

bool BackupFieldReader::check(bool condition, QLatin1StringView key, const QString& problem)
{
    if (!condition && m_error.isEmpty()) {
        m_error = QStringLiteral("\"%1\" %2").arg(key, problem);
    }
    return condition;
}
