#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Typed access to the application state kept between runs: the current user's e-mail, the
// region, the date window of the data pages with its bounds and the two filter choices.
// The state lives in an INI file under the user's configuration folder. Nothing has a default:
// an absent key reads as absent, and so does a value of another type than the key holds.
// Every write reaches the file before the call returns.
class UserDefaultHelper {
public:
    // The keys; each is stored under its own name.
    enum class Key { region, email, from, to, limitFrom, limitTo, date, time, lang };

    UserDefaultHelper() = delete;

    static QString keyName(Key key);

    // "email": the e-mail of the current user's profile.
    static std::optional<QString> email();
    static void setEmail(const std::optional<QString>& value);
    // "region": the `value` of the chosen Region_DB row.
    static std::optional<QString> region();
    static void setRegion(const std::optional<QString>& value);
    // "date": the `showValue` of the chosen SelectDateFormat_DB row.
    static std::optional<QString> date();
    static void setDate(const std::optional<QString>& value);
    // "time": the `showValue` of the chosen SelectTimeFormat_DB row.
    static std::optional<QString> time();
    static void setTime(const std::optional<QString>& value);

    // The date window ("from", "to") and the bounds of the current user's readings ("limitFrom",
    // "limitTo"). Dates come back in local time, to the millisecond.
    static std::optional<QDateTime> from();
    static void setFrom(const std::optional<QDateTime>& value);
    static std::optional<QDateTime> to();
    static void setTo(const std::optional<QDateTime>& value);
    static std::optional<QDateTime> limitFrom();
    static void setLimitFrom(const std::optional<QDateTime>& value);
    static std::optional<QDateTime> limitTo();
    static void setLimitTo(const std::optional<QDateTime>& value);

    // Removes every key of the application state.
    static void removeAllKeys();

    // The shared operations behind the accessors. A read gives the stored value only when it has
    // the wanted type; storing absent (or an invalid date) removes the key.
    static std::optional<QString> stringValue(Key key);
    static std::optional<QDateTime> dateValue(Key key);
    static void setStringValue(Key key, const std::optional<QString>& value);
    static void setDateValue(Key key, const std::optional<QDateTime>& value);
};
