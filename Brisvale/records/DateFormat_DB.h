#pragma once

#include <QList>
#include <QString>
#include <optional>

// A date format a profile can choose. The row has no id: its dbId (stored in the profile) is
// also its position. `value` is a date pattern in the ICU/LDML syntax (DatePattern turns it into
// a Qt pattern); `showValue` is only a menu text and never a pattern ("YYYY" is a week year there).
struct DateFormat_DB {
    enum class Defaults { YMD_diagonal, MDY_diagonal, DMY_Dot, YMD_Dot };

    int dbId = 0;
    QString showValue;
    QString value;

    static const DateFormat_DB& row(Defaults which);
    static std::optional<DateFormat_DB> fromDbId(int dbId);
    static std::optional<DateFormat_DB> fromShowValue(const QString& showValue);

    friend bool operator==(const DateFormat_DB&, const DateFormat_DB&) = default;
};

// Every date format, in menu order.
const QList<DateFormat_DB>& dateFormatTable();
