#include "Brisvale/records/UserDefaultHelper.h"

#include <QSettings>

namespace {

// The application state file: <config folder>/Brisvale/Brisvale.ini.
class StateFile : public QSettings {
public:
    StateFile()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brisvale"),
                    QStringLiteral("Brisvale"))
    {
    }
};

void store(const QString& key, const std::optional<QVariant>& value)
{
    StateFile file;
    if (value) {
        file.setValue(key, *value);
    } else {
        file.remove(key);
    }
    file.sync();
}

}

QString UserDefaultHelper::keyName(Key key)
{
    switch (key) {
    case Key::region: return QStringLiteral("region");
    case Key::email: return QStringLiteral("email");
    case Key::from: return QStringLiteral("from");
    case Key::to: return QStringLiteral("to");
    case Key::limitFrom: return QStringLiteral("limitFrom");
    case Key::limitTo: return QStringLiteral("limitTo");
    case Key::date: return QStringLiteral("date");
    case Key::time: return QStringLiteral("time");
    case Key::lang: return QStringLiteral("lang");
    }
    return QString();
}

std::optional<QString> UserDefaultHelper::stringValue(Key key)
{
    const QVariant stored = StateFile().value(keyName(key));
    if (stored.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return stored.toString();
}

std::optional<QDateTime> UserDefaultHelper::dateValue(Key key)
{
    const QVariant stored = StateFile().value(keyName(key));
    if (stored.typeId() != QMetaType::QDateTime) {
        return std::nullopt;
    }
    const QDateTime moment = stored.toDateTime();
    if (!moment.isValid()) {
        return std::nullopt;
    }
    return moment.toLocalTime();
}

void UserDefaultHelper::setStringValue(Key key, const std::optional<QString>& value)
{
    store(keyName(key), value ? std::optional<QVariant>(*value) : std::nullopt);
}

// Dates are kept in UTC, so that the stored moment does not move when the time zone changes.
void UserDefaultHelper::setDateValue(Key key, const std::optional<QDateTime>& value)
{
    const bool present = value && value->isValid();
    store(keyName(key), present ? std::optional<QVariant>(value->toUTC()) : std::nullopt);
}

void UserDefaultHelper::removeAllKeys()
{
    StateFile file;
    file.clear();
    file.sync();
}

std::optional<QString> UserDefaultHelper::email() { return stringValue(Key::email); }
void UserDefaultHelper::setEmail(const std::optional<QString>& value) { setStringValue(Key::email, value); }
std::optional<QString> UserDefaultHelper::region() { return stringValue(Key::region); }
void UserDefaultHelper::setRegion(const std::optional<QString>& value) { setStringValue(Key::region, value); }
std::optional<QString> UserDefaultHelper::date() { return stringValue(Key::date); }
void UserDefaultHelper::setDate(const std::optional<QString>& value) { setStringValue(Key::date, value); }
std::optional<QString> UserDefaultHelper::time() { return stringValue(Key::time); }
void UserDefaultHelper::setTime(const std::optional<QString>& value) { setStringValue(Key::time, value); }

std::optional<QDateTime> UserDefaultHelper::from() { return dateValue(Key::from); }
void UserDefaultHelper::setFrom(const std::optional<QDateTime>& value) { setDateValue(Key::from, value); }
std::optional<QDateTime> UserDefaultHelper::to() { return dateValue(Key::to); }
void UserDefaultHelper::setTo(const std::optional<QDateTime>& value) { setDateValue(Key::to, value); }
std::optional<QDateTime> UserDefaultHelper::limitFrom() { return dateValue(Key::limitFrom); }
void UserDefaultHelper::setLimitFrom(const std::optional<QDateTime>& value) { setDateValue(Key::limitFrom, value); }
std::optional<QDateTime> UserDefaultHelper::limitTo() { return dateValue(Key::limitTo); }
void UserDefaultHelper::setLimitTo(const std::optional<QDateTime>& value) { setDateValue(Key::limitTo, value); }
