#include "Brisvale/records/BestValueType_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<BestValueType_DB>& bestValueTypeTable()
{
    static const QList<BestValueType_DB> table{
        {BestValueType_DB::Defaults::Measure, false, QStringLiteral("Measure")},
        {BestValueType_DB::Defaults::Target, true, QStringLiteral("Target")},
    };
    return table;
}

const BestValueType_DB& BestValueType_DB::row(Defaults id)
{
    return bestValueTypeTable().at(static_cast<qsizetype>(id));
}

std::optional<BestValueType_DB> BestValueType_DB::fromDbId(bool dbId)
{
    return TableLookup::first(bestValueTypeTable(), &BestValueType_DB::dbId, dbId);
}

std::optional<BestValueType_DB> BestValueType_DB::fromValue(const QString& value)
{
    return TableLookup::first(bestValueTypeTable(), &BestValueType_DB::value, value);
}
