#include "Brisvale/records/Gender_DB.h"

#include "Brisvale/records/TableLookup.h"

const QList<Gender_DB>& genderTable()
{
    static const QList<Gender_DB> table{
        {Gender_DB::Defaults::Male, false, QStringLiteral("OverviewController_User_Gender_Male")},
        {Gender_DB::Defaults::Female, true, QStringLiteral("OverviewController_User_Gender_Female")},
    };
    return table;
}

const Gender_DB& Gender_DB::row(Defaults id)
{
    return genderTable().at(static_cast<qsizetype>(id));
}

std::optional<Gender_DB> Gender_DB::fromDbId(bool dbId)
{
    return TableLookup::first(genderTable(), &Gender_DB::dbId, dbId);
}
