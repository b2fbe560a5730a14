#include "Brisvale/records/StoreFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

const QString folderName = QStringLiteral("Brisvale");
const QString fileName = QStringLiteral("Brisvale.sqlite");

// The current layout. Readings go with their profile (cascade); row ids are never reused, so an
// object identifier can't come to name another row.
const char* const schemaStatements[] = {
    "CREATE TABLE Profile ("
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
    " weight REAL)",
    "CREATE TABLE PFM ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " accountID INTEGER NOT NULL REFERENCES Profile(id) ON DELETE CASCADE,"
    " pefValue INTEGER NOT NULL DEFAULT 0,"
    " fev1Value REAL,"
    " measureDate REAL,"
    " note TEXT)",
    "CREATE INDEX PFM_accountID_measureDate ON PFM(accountID, measureDate)",
};

StoreError sqlError(const QString& description, const QSqlError& error)
{
    return StoreError{description, error.text()};
}

StoreResult<int> readSchemaVersion(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return sqlError(QStringLiteral("The store can't be read"), query.lastError());
    }
    return query.value(0).toInt();
}

// A file without layout version holds nothing of ours; it may be taken only when it holds nothing.
StoreResult<bool> isEmptyDatabase(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
        return sqlError(QStringLiteral("The store can't be read"), query.lastError());
    }
    return query.value(0).toInt() == 0;
}

StoreStatus createSchema(QSqlDatabase& db)
{
    const StoreError failure{QStringLiteral("The store's tables can't be created"), QString()};
    if (!db.transaction()) {
        return sqlError(failure.description, db.lastError());
    }
    QSqlQuery query(db);
    QStringList statements;
    for (const char* statement : schemaStatements) {
        statements << QString::fromLatin1(statement);
    }
    statements << QStringLiteral("PRAGMA user_version = %1").arg(StoreFile::schemaVersion);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            const QSqlError error = query.lastError();
            db.rollback();
            return sqlError(failure.description, error);
        }
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        return sqlError(failure.description, error);
    }
    return std::monostate();
}

StoreStatus prepareSchema(QSqlDatabase& db)
{
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        return sqlError(QStringLiteral("The store can't be read"), pragma.lastError());
    }
    const StoreResult<int> version = readSchemaVersion(db);
    if (!version) {
        return version.error();
    }
    if (version.value() > StoreFile::schemaVersion) {
        return StoreError{QStringLiteral("The store was written by a newer version of Brisvale"),
            QStringLiteral("layout %1, this version reads up to %2")
                .arg(version.value())
                .arg(StoreFile::schemaVersion)};
    }
    if (version.value() == StoreFile::schemaVersion) {
        return std::monostate();
    }
    const StoreResult<bool> empty = isEmptyDatabase(db);
    if (!empty) {
        return empty.error();
    }
    if (!empty.value()) {
        return StoreError{
            QStringLiteral("The file is not a Brisvale store"), StoreFile::filePath()};
    }
    return createSchema(db);
}

StoreStatus openConnection(const QString& connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    if (!db.isValid()) {
        return sqlError(QStringLiteral("The SQLite driver is not available"), db.lastError());
    }
    db.setDatabaseName(StoreFile::filePath());
    if (!db.open()) {
        return sqlError(QStringLiteral("The store can't be opened"), db.lastError());
    }
    return prepareSchema(db);
}

}

QString StoreFile::folderPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + folderName;
}

QString StoreFile::filePath()
{
    return folderPath() + QLatin1Char('/') + fileName;
}

bool StoreFile::exists()
{
    return QFileInfo::exists(filePath());
}

StoreStatus StoreFile::open(const QString& connectionName)
{
    if (!QDir().mkpath(folderPath())) {
        return StoreError{QStringLiteral("The store's folder can't be created"), folderPath()};
    }
    StoreStatus opened = openConnection(connectionName);
    if (!opened) {
        // The connection's handle must be gone before the name is released.
        QSqlDatabase::database(connectionName, false).close();
        QSqlDatabase::removeDatabase(connectionName);
    }
    return opened;
}
