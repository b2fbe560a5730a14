#include "Brisvale/records/DateFormat_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<DateFormat_DB>& dateFormatTable()
{
    static const QList<DateFormat_DB> table{
        {0, QStringLiteral("YYYY/MM/DD"), QStringLiteral("yyyy/MM/dd")},
        {1, QStringLiteral("MM/DD/YY"), QStringLiteral("MM/dd/yy")},
        {2, QStringLiteral("DD.MM.YY"), QStringLiteral("dd.MM.yy")},
        {3, QStringLiteral("YYYY.MM.DD"), QStringLiteral("yyyy.MM.dd")},
    };
    return table;
}

const DateFormat_DB& DateFormat_DB::row(Defaults which)
{
    return dateFormatTable().at(static_cast<qsizetype>(which));
}

std::optional<DateFormat_DB> DateFormat_DB::fromDbId(int dbId)
{
    return TableLookup::first(dateFormatTable(), &DateFormat_DB::dbId, dbId);
}

std::optional<DateFormat_DB> DateFormat_DB::fromShowValue(const QString& showValue)
{
    return TableLookup::first(dateFormatTable(), &DateFormat_DB::showValue, showValue);
}
