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

// Copies the file whole through a temporary name beside the target, renamed onto the target at
// once when written: the target holds the old bytes or the new ones, never a part.
StoreStatus copyFile(const QString& from, const QString& to);

// Takes the store of the database (its file at path) from version `from` to the layout's
// version. First the file is copied to the copy path; then each step runs in its own
// transaction, in order. When a step fails, it is rolled back, the connection is closed and, if
// earlier steps were written, the copy is put back: the file is then as it was.
StoreStatus upgrade(QSqlDatabase& db, const QString& path, const QString& copyPath, int from,
                    const StoreLayout& layout);

}
