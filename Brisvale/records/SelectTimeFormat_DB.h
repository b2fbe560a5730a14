#pragma once

#include <QList>
#include <QString>
#include <QTime>
#include <optional>

// The time-of-day filter choice; the application state keeps its `showValue` under "time".
// The start and end times bound the filter window on its first and last day; the whole hours
// bound every reading's hour. `startTimeOfDay` and `endTimeOfDay` are the same times as clock
// values, so that callers build moments from components instead of parsing the texts.
struct SelectTimeFormat_DB {
    enum class Defaults { AM, PM, ALL };

    Defaults id = Defaults::ALL;
    QString showValue;
    QString startTime; // "HH:mm:ss"
    QString endTime;   // "HH:mm:ss"
    int startTime_Int = 0;
    int endTime_Int = 23;
    QString i18nKey;
    QTime startTimeOfDay;
    QTime endTimeOfDay;

    static const SelectTimeFormat_DB& row(Defaults id);
    static std::optional<SelectTimeFormat_DB> fromShowValue(const QString& showValue);
};

// Every time of day, in menu order (the position is the id).
const QList<SelectTimeFormat_DB>& timeOfDayTable();
