#include "Brisvale/records/StoreLayout.h"

QStringList StoreLayout::firstTables()
{
    // Readings go with their profile (cascade); row ids are never reused, so an object
    // identifier can't come to name another row.
    return {
        QStringLiteral("CREATE TABLE Profile ("
                       " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " accountID_cloud INTEGER NOT NULL DEFAULT 0,"
                       " best_Value INTEGER NOT NULL DEFAULT 0,"
                       " best_Value_Type INTEGER NOT NULL DEFAULT 0,"
                       " birthday REAL,"
                       " date_format INTEGER NOT NULL DEFAULT 0,"
                       " email TEXT,"
                       " gender INTEGER NOT NULL DEFAULT 0,"
                       " height REAL,"
                       " name TEXT,"
                       " region INTEGER NOT NULL DEFAULT 0,"
                       " time_format INTEGER NOT NULL DEFAULT 0,"
                       " unit_type INTEGER NOT NULL DEFAULT 0,"
                       " weight REAL)"),
        QStringLiteral("CREATE TABLE PFM ("
                       " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " accountID INTEGER NOT NULL REFERENCES Profile(id) ON DELETE CASCADE,"
                       " pefValue INTEGER NOT NULL DEFAULT 0,"
                       " fev1Value REAL,"
                       " measureDate REAL,"
                       " note TEXT)"),
        QStringLiteral("CREATE INDEX PFM_accountID_measureDate ON PFM(accountID, measureDate)"),
    };
}

const StoreLayout& StoreLayout::current()
{
    static const StoreLayout layout{{
        // Version 2: each profile's zone plan, today's bands for every existing profile.
        {QStringLiteral("ALTER TABLE Profile ADD COLUMN zone_Plan INTEGER NOT NULL DEFAULT 0")},
    }};
    return layout;
}
