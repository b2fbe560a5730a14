#pragma once

#include <QList>
#include <QString>
#include <optional>

// The date-range filter choice; the application state keeps its `showValue` under "date".
// `day` is how many calendar days the range's first day lies before its last day, so "7 day"
// (6) and "30 day" (29) include both ends; the whole range has none.
struct SelectDateFormat_DB {
    enum class Defaults { SEVEN_DAY, THIRTY_DAY, ALL };

    Defaults id = Defaults::ALL;
    QString showValue;
    std::optional<int> day;
    QString i18nKey;

    static const SelectDateFormat_DB& row(Defaults id);
    static std::optional<SelectDateFormat_DB> fromShowValue(const QString& showValue);
};

// Every date range, in menu order (the position is the id).
const QList<SelectDateFormat_DB>& dateRangeTable();
