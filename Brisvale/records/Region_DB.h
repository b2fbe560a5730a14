#pragma once

#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/TimeFormat_DB.h"

#include <QList>
#include <QString>
#include <optional>

// A region chosen at first start. The profile stores the row's dbId, the application state its
// `value`. A region carries copies of the date and time format rows a new user of it gets.
struct Region_DB {
    enum class Defaults { Other, USA };

    Defaults id = Defaults::Other;
    bool dbId = false;
    QString value;
    DateFormat_DB dateFormat;
    TimeFormat_DB timeFormat;

    static const Region_DB& row(Defaults id);
    static std::optional<Region_DB> fromDbId(bool dbId);
    static std::optional<Region_DB> fromValue(const QString& value);
};

// Every region, in menu order.
const QList<Region_DB>& regionTable();
