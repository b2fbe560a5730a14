#include "Brisvale/records/SelectDateFormat_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<SelectDateFormat_DB>& dateRangeTable()
{
    static const QList<SelectDateFormat_DB> table{
        {SelectDateFormat_DB::Defaults::SEVEN_DAY, QStringLiteral("7 day"), 6,
         QStringLiteral("OverviewController_SevenDay")},
        {SelectDateFormat_DB::Defaults::THIRTY_DAY, QStringLiteral("30 day"), 29,
         QStringLiteral("OverviewController_ThirtyDay")},
        {SelectDateFormat_DB::Defaults::ALL, QStringLiteral("ALL"), std::nullopt,
         QStringLiteral("OverviewController_ALL")},
    };
    return table;
}

const SelectDateFormat_DB& SelectDateFormat_DB::row(Defaults id)
{
    return dateRangeTable().at(static_cast<qsizetype>(id));
}

std::optional<SelectDateFormat_DB> SelectDateFormat_DB::fromShowValue(const QString& showValue)
{
    return TableLookup::first(dateRangeTable(), &SelectDateFormat_DB::showValue, showValue);
}
