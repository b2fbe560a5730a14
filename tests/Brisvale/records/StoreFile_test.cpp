#include "StoreFiles.h"
#include "StoreTestSupport.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <utility>

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

// Runs a step once, inside the next opening of a SQLite connection, once its file is open.
class AtNextOpening {
public:
    explicit AtNextOpening(std::function<void()> step)
    {
        pending() = std::move(step);
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&run));
    }
    ~AtNextOpening()
    {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&run));
        pending() = nullptr;
    }
    AtNextOpening(const AtNextOpening&) = delete;
    AtNextOpening& operator=(const AtNextOpening&) = delete;

private:
    static std::function<void()>& pending()
    {
        static std::function<void()> step;
        return step;
    }
    static int run(sqlite3*, const char**, const sqlite3_api_routines*)
    {
        if (const std::function<void()> step = std::exchange(pending(), nullptr)) {
            step();
        }
        return SQLITE_OK;
    }
};

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

// Another program may put another file in the store's place (a file or a link renamed over it)
// just as SQLite opens the store: every later look at the path would take that file for the one
// open. The opening is refused as for a store that can't be opened, and neither file is written
// (the first version's store would be upgraded, a copy kept beside it).
TEST_F(StoreFileTest, AFilePutInTheStoresPlaceAsItIsOpenedIsRefused)
{
    const struct {
        const char* name;
        bool throughLink;
    } cases[] = {
        {"a file renamed into its place", false},
        {"a link renamed over its link", true},
    };
    const QByteArray fixture = StoreFiles::bytes(StoreFiles::fixturePath());
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const QString linked = test.throughLink ? StoreFiles::linkToDrive() : QString();
        StoreFiles::copyFixture();
        const QString other = QFileInfo(StoreFile::folderPath()).path() + QStringLiteral("/other.sqlite");
        const QString renamed = StoreFile::filePath() + QStringLiteral(".sync");
        ASSERT_TRUE(QFile::copy(StoreFiles::fixturePath(), other));
        ASSERT_TRUE(test.throughLink ? QFile::link(other, renamed) : QFile::rename(other, renamed));
        std::optional<StoreFile::Refusal> refused;
        {
            AtNextOpening putInPlace([&] {
                ASSERT_EQ(std::rename(QFile::encodeName(renamed).constData(),
                                      QFile::encodeName(StoreFile::filePath()).constData()),
                          0);
            });
            refused = StoreFile::open(QStringLiteral("probe"));
        }
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->problem, StoreFile::Refusal::Problem::cannotOpen);
        EXPECT_EQ(refused->error.text(),
                  QStringLiteral("The store's file was replaced or removed while it was opened (")
                      + StoreFile::filePath() + QLatin1Char(')'));
        EXPECT_FALSE(QSqlDatabase::contains(QStringLiteral("probe")));
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), fixture);
        if (test.throughLink) {
            EXPECT_EQ(StoreFiles::bytes(linked), fixture);
        }
        EXPECT_EQ(QDir(StoreFile::folderPath()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{QStringLiteral("Brisvale.sqlite")});
    }
}
