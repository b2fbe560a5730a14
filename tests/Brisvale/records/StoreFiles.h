#pragma once

// Store files for tests: the fixture made by the first layout, and files a store must refuse.

#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "Brisvale/records/StoreTestSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace StoreFiles {

// A store written by the first version (layout 1): three profiles and nine readings, with notes
// in several scripts, absent and empty notes, a row gap left by a deleted reading. It never
// changes: every later version must read this very file.
inline QString fixturePath()
{
    return QStringLiteral(BRISVALE_SOURCE_DIR)
        + QStringLiteral("/tests/Brisvale/records/fixtures/Brisvale-v1.sqlite");
}

inline QByteArray bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeStore(const QByteArray& content)
{
    QDir().mkpath(StoreFile::folderPath());
    QFile file(StoreFile::filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

inline void copyFixture()
{
    writeStore(bytes(fixturePath()));
}

// A statement run on the store's file, as another program would.
inline QVariant run(const QString& statement)
{
    return rawStoreQuery(statement);
}

// The fixture with more readings, so that they fill many pages.
inline void largeStore()
{
    copyFixture();
    run(QStringLiteral("WITH RECURSIVE n(i) AS"
                       " (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                       " INSERT INTO PFM (accountID, pefValue, fev1Value, measureDate, note)"
                       " SELECT 1, 300 + i % 200, 2.5, 740000000 + i * 3600, 'note ' || i FROM n"));
}

// The files a store is refused for, each made in the store's place.
inline void cutShort()
{
    largeStore();
    QFile::resize(StoreFile::filePath(), QFileInfo(StoreFile::filePath()).size() / 2);
}

inline void randomBytes()
{
    QByteArray noise(8192, '\0');
    QRandomGenerator generator(20);
    for (char& byte : noise) {
        byte = static_cast<char>(generator.bounded(256));
    }
    writeStore(noise);
}

inline void otherApplication()
{
    QDir().mkpath(StoreFile::folderPath());
    run(QStringLiteral("CREATE TABLE invoices (number INTEGER, total REAL)"));
}

// A database whose texts are UTF-16, made by another program: empty, as a new store is.
inline void utf16Store()
{
    QDir().mkpath(StoreFile::folderPath());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("utf16"));
        db.setDatabaseName(StoreFile::filePath());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* statement : {"PRAGMA encoding = 'UTF-16le'", "CREATE TABLE t (x)", "DROP TABLE t"}) {
            ASSERT_TRUE(query.exec(QLatin1String(statement)));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("utf16"));
}

inline void tablesMissing()
{
    copyFixture();
    run(QStringLiteral("DROP TABLE PFM"));
}

// The fixture's readings' table with its first page's cell pointers overwritten.
inline void damagedPage()
{
    largeStore();
    const qint64 pageSize = run(QStringLiteral("PRAGMA page_size")).toLongLong();
    const qint64 page = run(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'PFM'"))
                            .toLongLong();
    QFile file(StoreFile::filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((page - 1) * pageSize + 8);
    file.write(QByteArray(200, '\x55'));
}

// Four bytes of the first leaf page of the readings' date index changed: its pages stay sound,
// but one entry no longer matches its row, and a query through the index finds the file malformed.
inline void damagedIndex()
{
    largeStore();
    const qint64 pageSize = run(QStringLiteral("PRAGMA page_size")).toLongLong();
    const qint64 page = run(QStringLiteral("SELECT min(pageno) FROM dbstat WHERE name = "
                                           "'PFM_accountID_measureDate' AND pagetype = 'leaf'"))
                            .toLongLong();
    ASSERT_GT(page, 1);
    QFile file(StoreFile::filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((page - 1) * pageSize + 4000);
    file.write(QByteArray(4, '\x55'));
}

inline void newerVersion()
{
    copyFixture();
    run(QStringLiteral("PRAGMA user_version = 7"));
}

// The store's place made a link to an empty file in another folder (a drive), which the store is
// then opened through; answers the file.
inline QString linkToDrive()
{
    const QString drive = QFileInfo(StoreFile::folderPath()).path() + QStringLiteral("/drive");
    const QString target = drive + QStringLiteral("/Brisvale.sqlite");
    EXPECT_TRUE(QDir().mkpath(drive) && QDir().mkpath(StoreFile::folderPath()));
    QFile file(target);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(QFile::link(target, StoreFile::filePath()));
    return target;
}

// What another program may do to the store's file while Brisvale has it open.
enum class FileChange {
    none,
    renamedOver, // written anew beside it and renamed into its place, as a sync tool does (a
                 // link in the store's place is then replaced by the new file)
    removed,
};

inline void changeFile(FileChange change)
{
    const QString path = StoreFile::filePath();
    if (change == FileChange::renamedOver) {
        const QString fresh = path + QStringLiteral(".sync");
        ASSERT_TRUE(QFile::copy(path, fresh));
        ASSERT_EQ(std::rename(QFile::encodeName(fresh).constData(),
                              QFile::encodeName(path).constData()),
                  0);
    } else if (change == FileChange::removed) {
        ASSERT_TRUE(QFile::remove(path));
    }
}

// A case of another program changing the store's file while Brisvale has it open, opened
// directly or through a link.
struct OpenFileChange {
    const char* name;
    bool throughLink;
    FileChange change;
};

struct BadStore {
    const char* name;
    std::function<void()> make;
    StoreFile::Refusal::Problem problem;
};

// Every file that can't be opened as a store and may be moved aside.
inline const std::vector<BadStore>& unusableStores()
{
    using Problem = StoreFile::Refusal::Problem;
    static const std::vector<BadStore> stores = {
        {"cut short", cutShort, Problem::cutShort},
        {"random bytes", randomBytes, Problem::notADatabase},
        {"another application's database", otherApplication, Problem::otherApplication},
        {"tables missing", tablesMissing, Problem::tablesMissing},
        {"damaged page", damagedPage, Problem::damaged},
        {"damaged index entry", damagedIndex, Problem::damaged},
    };
    return stores;
}

}
