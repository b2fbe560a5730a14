#pragma once

#include "Brisvale/records/StoreLayout.h"
#include "Brisvale/records/StoreResult.h"

#include <QString>
#include <QStringList>

class QSqlDatabase;

// Writing a store's layout: a new store's tables, and the steps that upgrade an older store.
namespace StoreUpgrade {

// Runs the statements, then sets the layout version, in one transaction; a failure rolls back.
StoreStatus runStep(QSqlDatabase& db, const QStringList& statements, int version);

// Gives an empty database the whole layout in one transaction.
StoreStatus createTables(QSqlDatabase& db, const StoreLayout& layout);

// Takes the store of the database (its file at path) from version `from` to the layout's
// version. First the file is copied whole to the copy path; then each step runs in its own
// transaction, in order. When a step fails, it is rolled back, the connection is closed and, if
// earlier steps were written, the copy is put back: the file is then as it was. The copy and its
// putting back go through WholeFile: one cut short by a full disk is never taken for a whole one,
// and the system's words say why.
StoreStatus upgrade(QSqlDatabase& db, const QString& path, const QString& copyPath, int from,
                    const StoreLayout& layout);

}
