#include "Brisvale/records/StoreFile.h"

#include "Brisvale/records/StoreFileHeader.h"
#include "Brisvale/records/StoreUpgrade.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <sys/stat.h>

namespace {

using Refusal = StoreFile::Refusal;
using Problem = StoreFile::Refusal::Problem;

const QString folderName = QStringLiteral("Brisvale");
const QString fileName = QStringLiteral("Brisvale.sqlite");

// SQLite's result codes for a damaged database and for a file that isn't one.
const QString sqliteCorrupt = QStringLiteral("11");
const QString sqliteNotADatabase = QStringLiteral("26");

// The files in which SQLite keeps a store's unfinished transactions; they belong to the file.
const QStringList journalSuffixes = {QStringLiteral("-journal"), QStringLiteral("-wal"),
                                     QStringLiteral("-shm")};

Refusal refusal(Problem problem, const QString& description, const QString& details,
                int version = 0)
{
    return Refusal{problem, StoreError{description, details}, version};
}

// A failure of the database, named by what SQLite found.
Refusal readFailure(const QSqlError& error)
{
    if (error.nativeErrorCode() == sqliteNotADatabase) {
        return refusal(Problem::notADatabase, QStringLiteral("The file is not a database"),
                       error.text());
    }
    if (error.nativeErrorCode() == sqliteCorrupt) {
        return refusal(Problem::damaged, QStringLiteral("The store is damaged"), error.text());
    }
    return refusal(Problem::cannotOpen, QStringLiteral("The store can't be read"), error.text());
}

Refusal newerVersion(int version)
{
    return refusal(Problem::newerVersion,
                   QStringLiteral("The store was written by a newer version of Brisvale"),
                   QStringLiteral("layout %1, this version reads up to %2")
                       .arg(version)
                       .arg(StoreFile::schemaVersion()),
                   version);
}

// A database that holds something, but nothing of ours.
Refusal notOurs()
{
    return refusal(Problem::otherApplication, QStringLiteral("The file is not a Brisvale store"),
                   StoreFile::filePath());
}

bool hasJournal()
{
    for (const QString& suffix : journalSuffixes) {
        if (QFileInfo(StoreFile::filePath() + suffix).size() > 0) {
            return true;
        }
    }
    return false;
}

// Looked at before SQLite opens the file. A journal left by an unfinished transaction may
// still change the file: SQLite then has the last word on its size.
std::optional<Refusal> checkHeader(const StoreLayout& layout)
{
    const StoreFileHeader header = StoreFileHeader::read(StoreFile::filePath());
    switch (header.kind) {
    case StoreFileHeader::Kind::empty:
        return std::nullopt;
    case StoreFileHeader::Kind::unreadable:
        return refusal(Problem::unreadable, QStringLiteral("The store's file can't be read"),
                       StoreFile::filePath() + QStringLiteral(": ") + header.readError);
    case StoreFileHeader::Kind::notADatabase:
        return refusal(Problem::notADatabase, QStringLiteral("The file is not a database"),
                       StoreFile::filePath());
    case StoreFileHeader::Kind::cutShort:
        if (!hasJournal()) {
            return refusal(Problem::cutShort, QStringLiteral("The file is cut short"),
                           QStringLiteral("%1 of %2 bytes")
                               .arg(header.fileSize)
                               .arg(std::max<qint64>(header.declaredSize, 100)));
        }
        break;
    case StoreFileHeader::Kind::database:
        break;
    }
    if (header.userVersion > layout.version()) {
        return newerVersion(header.userVersion);
    }
    return std::nullopt;
}

// Every page and every index entry is read: four bytes changed in an index page pass SQLite's
// quick check, which reads an index without matching it to its table, and such an index stops the
// first query that goes through it. Reporting stops at the first finding.
std::optional<Refusal> integrityCheck(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check(1)")) || !query.next()) {
        return readFailure(query.lastError());
    }
    const QString verdict = query.value(0).toString();
    if (verdict == QLatin1String("ok")) {
        return std::nullopt;
    }
    // The verdict's heading (if any) and its first finding.
    QString finding = verdict.section(QLatin1Char('\n'), 0, 1);
    return refusal(Problem::damaged, QStringLiteral("The store is damaged"),
                   finding.replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

// The column names of each table, the ones of SQLite itself left out. A list that can't be read
// is refused with the database's words: read in part, it would name tables missing that are not.
std::optional<Refusal> readTableColumns(QSqlDatabase& db, QMap<QString, QStringList>& columns)
{
    QSqlQuery tables(db);
    if (!tables.exec(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"))) {
        return readFailure(tables.lastError());
    }
    while (tables.next()) {
        const QString table = tables.value(0).toString();
        QSqlQuery info(db);
        QString quoted = table;
        if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")")
                           .arg(quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""))))) {
            return readFailure(info.lastError());
        }
        while (info.next()) {
            columns[table] << info.value(1).toString();
        }
        if (info.lastError().isValid()) {
            return readFailure(info.lastError());
        }
    }
    if (tables.lastError().isValid()) {
        return readFailure(tables.lastError());
    }
    return std::nullopt;
}

// The tables and columns of the layout, as a new store of it has them.
std::optional<Refusal> layoutColumns(const StoreLayout& layout,
                                     QMap<QString, QStringList>& columns)
{
    const QString name = QStringLiteral("Brisvale.layout");
    std::optional<Refusal> failed;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open()) {
            failed = readFailure(db.lastError());
        } else if (const StoreStatus created = StoreUpgrade::createTables(db, layout); !created) {
            failed = refusal(Problem::cannotOpen, created.error().description,
                             created.error().details);
        } else {
            failed = readTableColumns(db, columns);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return failed;
}

// The layout as a store of the given version has it: its first steps.
StoreLayout layoutAt(const StoreLayout& layout, int version)
{
    const auto steps = layout.upgrades.begin() + (version - 1);
    return StoreLayout{{layout.upgrades.begin(), steps}};
}

std::optional<Refusal> checkTables(QSqlDatabase& db, const StoreLayout& layout)
{
    QMap<QString, QStringList> found;
    QMap<QString, QStringList> wanted;
    if (std::optional<Refusal> unread = readTableColumns(db, found)) {
        return unread;
    }
    if (std::optional<Refusal> unread = layoutColumns(layout, wanted)) {
        return unread;
    }
    QStringList missing;
    for (auto table = wanted.cbegin(); table != wanted.cend(); ++table) {
        if (!found.contains(table.key())) {
            missing << table.key();
            continue;
        }
        for (const QString& column : table.value()) {
            if (!found[table.key()].contains(column)) {
                missing << table.key() + QLatin1Char('.') + column;
            }
        }
    }
    if (missing.isEmpty()) {
        return std::nullopt;
    }
    return refusal(Problem::tablesMissing, QStringLiteral("The store's tables are missing"),
                   missing.join(QStringLiteral(", ")));
}

// A file without layout version holds nothing of ours; it may be taken only when it holds
// nothing.
std::optional<Refusal> createInEmpty(QSqlDatabase& db, const StoreLayout& layout)
{
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
            return readFailure(query.lastError());
        }
        if (query.value(0).toInt() != 0) {
            return notOurs();
        }
    }
    const StoreStatus created = StoreUpgrade::createTables(db, layout);
    if (!created) {
        return refusal(Problem::cannotOpen, created.error().description, created.error().details);
    }
    return std::nullopt;
}

// Whether the disk of the store has less room left than a copy of the store takes: freeing space
// is then what lets an upgrade through.
bool shortOfRoom()
{
    const QStorageInfo disk(StoreFile::folderPath());
    return disk.isValid() && disk.bytesAvailable() >= 0
        && disk.bytesAvailable() < QFileInfo(StoreFile::filePath()).size();
}

std::optional<Refusal> upgradeFrom(QSqlDatabase& db, int version, const StoreLayout& layout)
{
    const StoreStatus upgraded = StoreUpgrade::upgrade(
        db, StoreFile::filePath(), StoreFile::upgradeCopyPath(version), version, layout);
    if (!upgraded) {
        return Refusal{shortOfRoom() ? Problem::noSpace : Problem::upgradeFailed,
                       upgraded.error(), version};
    }
    return std::nullopt;
}

// Brisvale's stores keep their texts as UTF-8, which the store's rows write and read as bytes: a
// file of another text encoding was made by another program.
bool textIsUtf8(QSqlDatabase& db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("PRAGMA encoding")) && query.next()
        && query.value(0).toString() == QLatin1String("UTF-8");
}

// The layout the file holds, made current: created in an empty file, upgraded in an older one.
std::optional<Refusal> prepareLayout(QSqlDatabase& db, const StoreLayout& layout)
{
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        return readFailure(pragma.lastError());
    }
    int version = 0;
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            return readFailure(query.lastError());
        }
        version = query.value(0).toInt();
    }
    if (version > layout.version()) {
        return newerVersion(version);
    }
    if (version < 0 || !textIsUtf8(db)) {
        return notOurs();
    }
    if (std::optional<Refusal> damaged = integrityCheck(db)) {
        return damaged;
    }
    if (version == 0) {
        return createInEmpty(db, layout);
    }
    // Checked before the upgrade, so that a store missing tables is refused unchanged.
    if (std::optional<Refusal> missing = checkTables(db, layoutAt(layout, version))) {
        return missing;
    }
    if (version < layout.version()) {
        return upgradeFrom(db, version, layout);
    }
    return std::nullopt;
}

// Whether the file at the store's path is still the one identified.
std::optional<Refusal> checkSameFile(const std::optional<StoreFile::Identity>& identified)
{
    const std::optional<StoreFile::Identity> atPath = StoreFile::identityOf(StoreFile::filePath());
    if (!identified || !atPath || *atPath != *identified) {
        return refusal(Problem::cannotOpen,
                       QStringLiteral("The store's file was replaced or removed while it was opened"),
                       StoreFile::filePath());
    }
    return std::nullopt;
}

// `identified` is the file looked at before, none when there was none: SQLite makes it as it
// opens it. The file is checked again before anything is written to it (a new store's tables, an
// upgrade) and once the layout is current.
std::optional<Refusal> openConnection(const QString& connectionName, const StoreLayout& layout,
                                      std::optional<StoreFile::Identity>& identified)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    if (!db.isValid()) {
        return refusal(Problem::cannotOpen, QStringLiteral("The SQLite driver is not available"),
                       db.lastError().text());
    }
    db.setDatabaseName(StoreFile::filePath());
    if (!db.open()) {
        return refusal(Problem::cannotOpen, QStringLiteral("The store can't be opened"),
                       db.lastError().text());
    }
    if (!identified) {
        identified = StoreFile::identityOf(StoreFile::filePath());
    }
    std::optional<Refusal> refused = checkSameFile(identified);
    if (!refused) {
        refused = prepareLayout(db, layout);
    }
    return refused ? refused : checkSameFile(identified);
}

std::optional<Refusal> notWritable(const QString& description, const QString& path,
                                   const QString& reason)
{
    return refusal(Problem::notWritable, description, path + QStringLiteral(": ") + reason);
}

// What other than a regular file lies at the path (a link followed).
QString kindOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return qt_error_string(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISFIFO(status.st_mode)) {
        return QStringLiteral("a named pipe");
    }
    if (S_ISSOCK(status.st_mode)) {
        return QStringLiteral("a socket");
    }
    return QStringLiteral("a device");
}

std::optional<Refusal> checkKind()
{
    const QFileInfo file(StoreFile::filePath());
    if (file.isSymLink() && !file.exists()) {
        return refusal(Problem::danglingLink,
                       QStringLiteral("The store's file is missing where its link points"),
                       file.symLinkTarget());
    }
    if (file.exists() && !file.isFile()) {
        return refusal(Problem::notARegularFile, QStringLiteral("The store is not a regular file"),
                       StoreFile::filePath() + QStringLiteral(": ") + kindOf(file.filePath()));
    }
    return std::nullopt;
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

std::optional<StoreFile::Identity> StoreFile::identityOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return Identity{quint64(status.st_dev), quint64(status.st_ino)};
}

std::optional<StoreFile::Refusal> StoreFile::checkPlace()
{
    if (!QDir().mkpath(folderPath())) {
        return notWritable(QStringLiteral("The store's folder can't be created"), folderPath(),
                           QStringLiteral("no folder can be made there"));
    }
    // Only a file made there shows that the folder takes files (and SQLite's journal).
    QTemporaryFile probe(folderPath() + QStringLiteral("/.write-check-XXXXXX"));
    if (!probe.open()) {
        return notWritable(QStringLiteral("The store's folder can't be written"), folderPath(),
                           probe.errorString());
    }
    if (std::optional<Refusal> noFile = checkKind()) {
        return noFile;
    }
    const QFileInfo file(filePath());
    if (file.exists() && !file.isWritable()) {
        return notWritable(QStringLiteral("The store's file can't be written"), filePath(),
                           QStringLiteral("the file is read-only"));
    }
    return std::nullopt;
}

std::optional<StoreFile::Refusal> StoreFile::open(const QString& connectionName,
                                                  const StoreLayout& layout, Identity* opened)
{
    std::optional<Refusal> refused = checkPlace();
    std::optional<Identity> identified = identityOf(filePath());
    if (!refused) {
        refused = checkHeader(layout);
    }
    if (!refused) {
        refused = openConnection(connectionName, layout, identified);
        if (!refused && opened) {
            *opened = *identified;
        }
        if (refused) {
            // The connection's handle must be gone before the name is released.
            QSqlDatabase::database(connectionName, false).close();
            QSqlDatabase::removeDatabase(connectionName);
        }
    }
    return refused;
}

QString StoreFile::upgradeCopyPath(int version)
{
    return filePath() + QStringLiteral(".v%1.bak").arg(version);
}

QString StoreFile::asidePath(const QDateTime& moment)
{
    return filePath() + QStringLiteral(".unreadable-")
        + moment.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
}

StoreStatus StoreFile::moveAside(const QString& path)
{
    const QString failure = QStringLiteral("The store can't be moved aside");
    if (QFileInfo::exists(path)) {
        return StoreError{failure, path + QStringLiteral(" exists already")};
    }
    QFile file(filePath());
    if (!file.rename(path)) {
        return StoreError{failure, filePath() + QStringLiteral(": ") + file.errorString()};
    }
    // The journal goes with its file: beside a new store it would be taken as the new one's.
    for (const QString& suffix : journalSuffixes) {
        QFile journal(filePath() + suffix);
        if (journal.exists() && !journal.rename(path + suffix)) {
            return StoreError{failure, journal.fileName() + QStringLiteral(": ")
                                           + journal.errorString()};
        }
    }
    return std::monostate();
}
