#include "Brisvale/records/SelectTimeFormat_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<SelectTimeFormat_DB>& timeOfDayTable()
{
    using Row = SelectTimeFormat_DB;
    static const QList<Row> table{
        {Row::Defaults::AM, QStringLiteral("00:00-11:59"), QStringLiteral("00:00:00"),
         QStringLiteral("11:59:59"), 0, 11, QStringLiteral("OverviewController_AM"), QTime(0, 0, 0),
         QTime(11, 59, 59)},
        {Row::Defaults::PM, QStringLiteral("12:00-23:59"), QStringLiteral("12:00:00"),
         QStringLiteral("23:59:59"), 12, 23, QStringLiteral("OverviewController_PM"),
         QTime(12, 0, 0), QTime(23, 59, 59)},
        {Row::Defaults::ALL, QStringLiteral("All day"), QStringLiteral("00:00:00"),
         QStringLiteral("23:59:59"), 0, 23, QStringLiteral("OverviewController_AllDay"),
         QTime(0, 0, 0), QTime(23, 59, 59)},
    };
    return table;
}

const SelectTimeFormat_DB& SelectTimeFormat_DB::row(Defaults id)
{
    return timeOfDayTable().at(static_cast<qsizetype>(id));
}

std::optional<SelectTimeFormat_DB> SelectTimeFormat_DB::fromShowValue(const QString& showValue)
{
    return TableLookup::first(timeOfDayTable(), &SelectTimeFormat_DB::showValue, showValue);
}
