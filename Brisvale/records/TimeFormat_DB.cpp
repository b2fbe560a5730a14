#include "Brisvale/records/TimeFormat_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<TimeFormat_DB>& timeFormatTable()
{
    static const QList<TimeFormat_DB> table{
        {TimeFormat_DB::Defaults::twelveHR, false, QStringLiteral("12"), QStringLiteral("a hh:mm")},
        {TimeFormat_DB::Defaults::twentyFourHR, true, QStringLiteral("24"), QStringLiteral("HH:mm")},
    };
    return table;
}

const TimeFormat_DB& TimeFormat_DB::row(Defaults id)
{
    return timeFormatTable().at(static_cast<qsizetype>(id));
}

std::optional<TimeFormat_DB> TimeFormat_DB::fromDbId(bool dbId)
{
    return TableLookup::first(timeFormatTable(), &TimeFormat_DB::dbId, dbId);
}

std::optional<TimeFormat_DB> TimeFormat_DB::fromShowValue(const QString& showValue)
{
    return TableLookup::first(timeFormatTable(), &TimeFormat_DB::showValue, showValue);
}
