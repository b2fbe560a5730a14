#include "Brisvale/records/Region_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<Region_DB>& regionTable()
{
    static const QList<Region_DB> table{
        {Region_DB::Defaults::Other, false, QStringLiteral("Other"),
         DateFormat_DB::row(DateFormat_DB::Defaults::DMY_Dot),
         TimeFormat_DB::row(TimeFormat_DB::Defaults::twentyFourHR)},
        {Region_DB::Defaults::USA, true, QStringLiteral("USA"),
         DateFormat_DB::row(DateFormat_DB::Defaults::YMD_diagonal),
         TimeFormat_DB::row(TimeFormat_DB::Defaults::twelveHR)},
    };
    return table;
}

const Region_DB& Region_DB::row(Defaults id)
{
    return regionTable().at(static_cast<qsizetype>(id));
}

std::optional<Region_DB> Region_DB::fromDbId(bool dbId)
{
    return TableLookup::first(regionTable(), &Region_DB::dbId, dbId);
}

std::optional<Region_DB> Region_DB::fromValue(const QString& value)
{
    return TableLookup::first(regionTable(), &Region_DB::value, value);
}
