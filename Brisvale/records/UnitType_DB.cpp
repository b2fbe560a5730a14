#include "Brisvale/records/UnitType_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<UnitType_DB>& unitTypeTable()
{
    static const QList<UnitType_DB> table{
        {UnitType_DB::Defaults::FtIn, false, QStringLiteral("ft/lb"), QStringLiteral("ft/in"),
         QStringLiteral("lb")},
        {UnitType_DB::Defaults::KgCm, true, QStringLiteral("cm/kg"), QStringLiteral("cm"),
         QStringLiteral("kg")},
    };
    return table;
}

const UnitType_DB& UnitType_DB::row(Defaults id)
{
    return unitTypeTable().at(static_cast<qsizetype>(id));
}

std::optional<UnitType_DB> UnitType_DB::fromDbId(bool dbId)
{
    return TableLookup::first(unitTypeTable(), &UnitType_DB::dbId, dbId);
}

std::optional<UnitType_DB> UnitType_DB::fromValue(const QString& value)
{
    return TableLookup::first(unitTypeTable(), &UnitType_DB::value, value);
}
