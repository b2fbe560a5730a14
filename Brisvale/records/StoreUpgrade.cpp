#include "Brisvale/records/StoreUpgrade.h"

#include "Brisvale/platform/WholeFile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace StoreUpgrade {

namespace {

StoreError sqlError(const QString& description, const QSqlError& error)
{
    return StoreError{description, error.text()};
}

StoreStatus runStatements(QSqlDatabase& db, const QStringList& statements)
{
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            return sqlError(statement, query.lastError());
        }
    }
    return std::monostate();
}

QStringList everyStep(const StoreLayout& layout)
{
    QStringList statements = StoreLayout::firstTables();
    for (const QStringList& step : layout.upgrades) {
        statements << step;
    }
    return statements;
}

// The step that failed, what it ran into, and what became of the file.
StoreError stepFailure(int version, const StoreError& error, const QString& outcome)
{
    return StoreError{
        QStringLiteral("The store can't be upgraded from version %1 to version %2")
            .arg(version - 1)
            .arg(version),
        error.text() + QStringLiteral("; ") + outcome};
}

}

StoreStatus runStep(QSqlDatabase& db, const QStringList& statements, int version)
{
    if (!db.transaction()) {
        return sqlError(QStringLiteral("A transaction can't be begun"), db.lastError());
    }
    StoreStatus ran = runStatements(
        db, statements + QStringList{QStringLiteral("PRAGMA user_version = %1").arg(version)});
    if (ran && !db.commit()) {
        ran = sqlError(QStringLiteral("The transaction can't be committed"), db.lastError());
    }
    if (!ran) {
        db.rollback();
    }
    return ran;
}

StoreStatus createTables(QSqlDatabase& db, const StoreLayout& layout)
{
    const StoreStatus created = runStep(db, everyStep(layout), layout.version());
    if (!created) {
        return StoreError{QStringLiteral("The store's tables can't be created"),
                          created.error().text()};
    }
    return created;
}

StoreStatus upgrade(QSqlDatabase& db, const QString& path, const QString& copyPath, int from,
                    const StoreLayout& layout)
{
    if (const std::optional<QString> notCopied = WholeFile::copy(path, copyPath)) {
        return StoreError{QStringLiteral("The store can't be copied before it is upgraded"),
                          *notCopied + QStringLiteral("; the file was not changed")};
    }
    for (int version = from + 1; version <= layout.version(); ++version) {
        const StoreStatus stepped =
            runStep(db, layout.upgrades[size_t(version - 2)], version);
        if (stepped) {
            continue;
        }
        db.close();
        if (version == from + 1) {
            return stepFailure(version, stepped.error(),
                               QStringLiteral("the file was not changed"));
        }
        const std::optional<QString> notRestored = WholeFile::copy(copyPath, path);
        return stepFailure(version, stepped.error(),
                           notRestored ? QStringLiteral("the file could not be put back (")
                                             + *notRestored + QStringLiteral("); its copy is ")
                                             + copyPath
                                       : QStringLiteral("the file was put back as it was"));
    }
    return std::monostate();
}

}
