#include "StoreFiles.h"
#include "StoreTestSupport.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray fileBytes()
{
    QFile file(StoreFile::filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QByteArray& bytes)
{
    QDir().mkpath(StoreFile::folderPath());
    QFile file(StoreFile::filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Inside a death test: console lines go to standard error, where they can be matched, and the
// child ends without running the program's exit handlers, which would remove the temporary data
// folder that the parent goes on to inspect.
void prepareToDie()
{
    Console::setCapture(
        [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    Fatal::setHook([](const QString&) {
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    });
}

}

using StoreFileTest = FreshStore;

TEST_F(StoreFileTest, LiesInTheDataFolderAndIsCreatedOnlyOnFirstUse)
{
    EXPECT_EQ(StoreFile::filePath(),
        TestEnvironment::root() + QStringLiteral("/data/Brisvale/Brisvale.sqlite"));
    EXPECT_FALSE(StoreFile::exists());
    EXPECT_FALSE(StoreFile::exists()); // looking doesn't create it
    viewContext();
    EXPECT_TRUE(StoreFile::exists());
    EXPECT_EQ(rawQuery(QStringLiteral("PRAGMA user_version")).toInt(), StoreFile::schemaVersion());
    EXPECT_EQ(rawQuery(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND "
                                      "name = 'PFM_accountID_measureDate'"))
                  .toInt(),
        1);
}

TEST_F(StoreFileTest, AStoredFileIsOpenedAsItIs)
{
    storedProfile(QStringLiteral("kept"), {1.0});
    closeViewContext();
    EXPECT_EQ(viewContext().fetchProfiles().value().size(), 1);
}

TEST_F(StoreFileTest, RefusedFilesAreNamedForWhatIsWrongAndStayByteForByte)
{
    using Problem = StoreFile::Refusal::Problem;
    std::vector<StoreFiles::BadStore> cases = StoreFiles::unusableStores();
    cases.push_back({"newer layout", StoreFiles::newerVersion, Problem::newerVersion});
    cases.push_back({"text", [] { writeFile(QByteArray("not a database\n").repeated(300)); },
                     Problem::notADatabase});
    cases.push_back({"shorter than a header", [] { writeFile(QByteArray("SQLite format 3")); },
                     Problem::cutShort});
    cases.push_back({"texts in UTF-16, no tables", StoreFiles::utf16Store, Problem::otherApplication});
    for (const StoreFiles::BadStore& bad : cases) {
        SCOPED_TRACE(bad.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        bad.make();
        const QByteArray before = fileBytes();
        ASSERT_FALSE(before.isEmpty());
        const std::optional<StoreFile::Refusal> refused = StoreFile::open(QStringLiteral("probe"));
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->problem, bad.problem) << refused->error.text().toStdString();
        EXPECT_FALSE(QSqlDatabase::contains(QStringLiteral("probe")));
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(QDir(StoreFile::folderPath()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("Brisvale.sqlite")});
    }
}

TEST_F(StoreFileTest, ANewerLayoutStopsTheProgramWithTheFileUntouched)
{
    viewContext();
    closeViewContext();
    rawQuery(QStringLiteral("PRAGMA user_version = 7"));
    const QByteArray before = fileBytes();
    EXPECT_EXIT(
        {
            prepareToDie();
            viewContext();
        },
        testing::ExitedWithCode(EXIT_FAILURE),
        "^Unresolved error The store was written by a newer version of Brisvale \\(layout 7");
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(StoreFileTest, AnUnreadableFileStopsTheProgram)
{
    writeFile(QByteArray(4096, 'x'));
    EXPECT_EXIT(
        {
            prepareToDie();
            viewContext();
        },
        testing::ExitedWithCode(EXIT_FAILURE), "^Unresolved error The file is not a database");
    EXPECT_EQ(fileBytes(), QByteArray(4096, 'x'));
}
