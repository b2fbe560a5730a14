#pragma once

#include "Brisvale/records/Timestamp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QString>
#include <QtGlobal>
#include <optional>

// Strict, typed reads of the members of one object of a backup document. A read that fails
// answers a neutral value and keeps the first failure, for the caller to check once all members
// are read.
//
// A required member must be present and not null; an optional one may be missing or null. A
// Boolean must be a JSON boolean (0 and 1 are refused); a 32-bit integer an integral number
// within its range (3.0 is fine, 3.5 and 3000000000 are not); a float any number that rounds to
// a finite float; a date any finite number; a string valid UTF-16 (no unpaired surrogate).
// Nothing is converted from a string. Ranges, such as the years a calendar shows, are the
// caller's rules (require).
class BackupFieldReader {
public:
    explicit BackupFieldReader(const QJsonObject& object);

    qint32 int32(QLatin1StringView key);
    // An optional integer within lowest..highest; `absent` when it is missing or null.
    qint32 optionalInt32(QLatin1StringView key, qint32 lowest, qint32 highest, qint32 absent);
    bool boolean(QLatin1StringView key);
    float singleFloat(QLatin1StringView key);
    Timestamp date(QLatin1StringView key);
    std::optional<Timestamp> optionalDate(QLatin1StringView key);
    QString string(QLatin1StringView key);
    std::optional<QString> optionalString(QLatin1StringView key);
    QJsonArray array(QLatin1StringView key);

    // Keeps a failure of a rule of the caller's own, such as a range, unless one is kept already;
    // answers the condition.
    bool require(bool condition, QLatin1StringView key, const QString& problem);

    bool ok() const { return m_error.isEmpty(); }
    // The first failure, such as `"best_Value" is not a 32-bit integer`.
    const QString& error() const { return m_error; }

private:
    // The member's value; none (a failure kept) when it is missing or null.
    std::optional<QJsonValue> required(QLatin1StringView key);
    // The member's number; none (a failure kept) when it is missing, null or not a number.
    std::optional<double> requiredNumber(QLatin1StringView key);
    // The member's value; none when it is missing or null, or (a failure kept) not of `type`.
    std::optional<QJsonValue> optional(QLatin1StringView key, QJsonValue::Type type,
                                       const char* expected);
    QString validText(const QString& text, QLatin1StringView key);
    bool check(bool condition, QLatin1StringView key, const char* problem);
    bool check(bool condition, QLatin1StringView key, const QString& problem);

    QJsonObject m_object;
    QString m_error;
};
