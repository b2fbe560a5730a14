#pragma once

#include <QList>
#include <QString>
#include <optional>

// A time format a profile can choose; the profile stores the row's dbId. `value` is a pattern in
// the ICU/LDML syntax ("a" is the AM/PM marker); DatePattern turns it into a Qt pattern.
struct TimeFormat_DB {
    enum class Defaults { twelveHR, twentyFourHR };

    Defaults id = Defaults::twelveHR;
    bool dbId = false;
    QString showValue;
    QString value;

    static const TimeFormat_DB& row(Defaults id);
    static std::optional<TimeFormat_DB> fromDbId(bool dbId);
    static std::optional<TimeFormat_DB> fromShowValue(const QString& showValue);

    friend bool operator==(const TimeFormat_DB&, const TimeFormat_DB&) = default;
};

// Every time format, in menu order.
const QList<TimeFormat_DB>& timeFormatTable();
