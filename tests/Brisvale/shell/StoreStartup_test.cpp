#include "Brisvale/shell/StoreStartup.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/records/StoreFiles.h"
#include "Brisvale/records/StoreTestSupport.h"

#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QDataStream>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

using Problem = StoreFile::Refusal::Problem;

// Each case starts at a fixed moment, which names the place a refused store is moved aside to.
class StoreStartupTest : public FreshStore {
protected:
    void SetUp() override
    {
        FreshStore::SetUp();
        AppClock::setNow(QDateTime(QDate(2024, 5, 10), QTime(12, 0)));
    }
    void TearDown() override
    {
        AppClock::reset();
        FreshStore::TearDown();
    }

    static QString asidePath()
    {
        return StoreFile::filePath() + QStringLiteral(".unreadable-2024-05-10-120000");
    }
};

// A store the start can't use, and what the alert says is wrong with it.
struct Unusable {
    StoreFiles::BadStore store;
    QString problem;
};

std::vector<Unusable> unusableStores()
{
    const QStringList problems = {
        QStringLiteral("The file is cut short: its end is missing."),
        QStringLiteral("The file is not a database."),
        QStringLiteral("The file is a database of another application."),
        QStringLiteral("Tables of the store are missing."),
        // The start answers every damaged store alike: the damaged page stands for the rest.
        QStringLiteral("The file is damaged."),
    };
    std::vector<Unusable> cases;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        cases.push_back({StoreFiles::unusableStores()[size_t(i)], problems[i]});
    }
    return cases;
}

QString unusableMessage(const Unusable& test, const QString& aside)
{
    return QStringLiteral("Brisvale cannot open its store ") + StoreFile::filePath()
        + QStringLiteral(". ") + test.problem
        + QStringLiteral(" The file was not changed. You can quit, or move the file aside as ")
        + aside + QStringLiteral(" and start with a new, empty store.\n");
}

// The profiles' table replaced by a virtual table of a module that SQLite doesn't have; its rows
// are kept under another name, so that every page is still in use and the file passes
// PRAGMA integrity_check. Reading its columns fails.
void profilesInAnUnknownModule()
{
    StoreFiles::copyFixture();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
        db.setDatabaseName(StoreFile::filePath());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* statement :
             {"PRAGMA writable_schema = ON",
              "UPDATE sqlite_master SET name = 'Profile_kept', tbl_name = 'Profile_kept',"
              " sql = replace(sql, 'CREATE TABLE Profile', 'CREATE TABLE Profile_kept')"
              " WHERE name = 'Profile'",
              "INSERT INTO sqlite_master VALUES ('table', 'Profile', 'Profile', 0,"
              " 'CREATE VIRTUAL TABLE Profile USING nosuchmodule(id)')"}) {
            EXPECT_TRUE(query.exec(QLatin1String(statement))) << statement;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("edit"));
}

QStringList folderFiles()
{
    return QDir(StoreFile::folderPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const uid_t nobody = 65534;

// The store's folder and file made user "nobody"'s, who may pass through the folders above, when
// the tests run as root; an ordinary user keeps them.
void giveStoreToNobody()
{
    if (::geteuid() != 0) {
        return;
    }
    ::chmod(QFile::encodeName(TestEnvironment::root()).constData(), 0755);
    for (const QString& path : {StoreFile::folderPath(), StoreFile::filePath()}) {
        ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), nobody, nobody), 0);
    }
}

// What the start showed and decided.
struct StartOutcome {
    bool goesOn = false;
    qsizetype alerts = 0;
    QString message;
    QStringList buttons;
};

// The start run in a child process (made by fork), which reports through a pipe and ends without
// the program's exit handlers. As root, a child that runs as "nobody" gives up its rights first;
// only calls that are safe in the child of a process with threads come before.
StartOutcome startInChild(bool asNobody)
{
    int report[2] = {-1, -1};
    if (::pipe(report) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        if (asNobody && ::geteuid() == 0
            && (::syscall(SYS_setgroups, 0, nullptr) != 0
                || ::syscall(SYS_setresgid, nobody, nobody, nobody) != 0
                || ::syscall(SYS_setresuid, nobody, nobody, nobody) != 0)) {
            ::_exit(2);
        }
        AlertScript script;
        script.answer(Alert::firstButton);
        const bool goesOn = StoreStartup::open();
        const Alert last = script.shown().isEmpty() ? Alert{} : script.last().alert;
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << goesOn << script.shown().size() << last.message << last.buttons;
        const bool sent = ::write(report[1], bytes.constData(), size_t(bytes.size())) == bytes.size();
        ::_exit(sent ? 0 : 3);
    }
    ::close(report[1]);
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t read = 0; (read = ::read(report[0], buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, read);
    }
    ::close(report[0]);
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child ended with " << status;
    StartOutcome outcome;
    QDataStream in(bytes);
    in >> outcome.goesOn >> outcome.alerts >> outcome.message >> outcome.buttons;
    return outcome;
}

}

TEST_F(StoreStartupTest, AStoreThatCantBeUsedIsNamedAndKeptWhenTheUserQuits)
{
    for (const Unusable& test : unusableStores()) {
        SCOPED_TRACE(test.store.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        test.store.make();
        const QByteArray before = StoreFiles::bytes(StoreFile::filePath());
        AlertScript script;
        script.answer(Alert::firstButton);

        EXPECT_FALSE(StoreStartup::open());
        ASSERT_EQ(script.shown().size(), 1);
        const Alert& alert = script.last().alert;
        EXPECT_TRUE(alert.message.startsWith(unusableMessage(test, asidePath())))
            << alert.message.toStdString();
        EXPECT_EQ(alert.buttons, (QStringList{"Quit", "Start with an Empty Store"}));
        EXPECT_EQ(alert.safeButton, Alert::firstButton);
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), before);
        EXPECT_FALSE(QFileInfo::exists(asidePath()));
    }
}

TEST_F(StoreStartupTest, StartingWithAnEmptyStoreMovesTheFileAsideFirst)
{
    for (const Unusable& test : unusableStores()) {
        SCOPED_TRACE(test.store.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        test.store.make();
        const QByteArray before = StoreFiles::bytes(StoreFile::filePath());
        AlertScript script;
        script.answer(Alert::secondButton);

        EXPECT_TRUE(StoreStartup::open());
        EXPECT_EQ(script.shown().size(), 1);
        EXPECT_FALSE(StoreFile::exists());
        EXPECT_EQ(StoreFiles::bytes(asidePath()), before);
        EXPECT_TRUE(viewContext().fetchProfiles().value().isEmpty());
    }
}

TEST_F(StoreStartupTest, TheJournalOfAStoreMovedAsideGoesWithIt)
{
    StoreFiles::randomBytes();
    const QByteArray journal("an unfinished transaction");
    QFile file(StoreFile::filePath() + QStringLiteral("-journal"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(journal);
    file.close();
    AlertScript script;
    script.answer(Alert::secondButton);

    EXPECT_TRUE(StoreStartup::open());
    EXPECT_EQ(folderFiles(), (QStringList{"Brisvale.sqlite.unreadable-2024-05-10-120000",
                                          "Brisvale.sqlite.unreadable-2024-05-10-120000-journal"}));
    EXPECT_EQ(StoreFiles::bytes(asidePath() + QStringLiteral("-journal")), journal);
}

TEST_F(StoreStartupTest, AFileWhereTheStoreWouldGoAsideIsNeverOverwritten)
{
    StoreFiles::randomBytes();
    const QByteArray before = StoreFiles::bytes(StoreFile::filePath());
    QFile taken(asidePath());
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("moved aside earlier");
    taken.close();
    AlertScript script;
    script.answer(Alert::secondButton);
    script.answer(Alert::firstButton);

    EXPECT_FALSE(StoreStartup::open());
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_TRUE(script.last().alert.message.startsWith(
        QStringLiteral("The store ") + StoreFile::filePath()
        + QStringLiteral(" could not be moved aside, so no new store was started. Brisvale will "
                         "now quit.\nThe store can't be moved aside (")))
        << script.last().alert.message.toStdString();
    EXPECT_EQ(script.last().alert.buttons, QStringList{"Quit"});
    EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), before);
    EXPECT_EQ(StoreFiles::bytes(asidePath()), QByteArray("moved aside earlier"));
}

TEST_F(StoreStartupTest, AStoreOfANewerBrisvaleIsNeverOpenedAndTheApplicationQuits)
{
    StoreFiles::newerVersion();
    const QByteArray before = StoreFiles::bytes(StoreFile::filePath());
    const QDateTime modified = QFileInfo(StoreFile::filePath()).lastModified();
    AlertScript script;
    script.answer(Alert::firstButton);

    EXPECT_FALSE(StoreStartup::open());
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message,
              QStringLiteral("The store ") + StoreFile::filePath()
                  + QStringLiteral(" was made by a newer Brisvale (store version 7). This version "
                                   "cannot open it, and nothing was changed. Brisvale will now "
                                   "quit.\nThe store was written by a newer version of Brisvale "
                                   "(layout 7, this version reads up to 2)"));
    EXPECT_EQ(script.last().alert.buttons, QStringList{"Quit"});
    EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), before);
    EXPECT_EQ(QFileInfo(StoreFile::filePath()).lastModified(), modified);
    EXPECT_EQ(folderFiles(), QStringList{"Brisvale.sqlite"});
}

TEST_F(StoreStartupTest, AGoodOrMissingStoreStartsWithoutAQuestion)
{
    const struct {
        const char* name;
        std::function<void()> make;
        int profiles;
    } cases[] = {
        {"the first version's store", StoreFiles::copyFixture, 3},
        // Left for the main window to make, which looks for the file first.
        {"no store yet", [] {}, -1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        test.make();
        AlertScript script;

        EXPECT_TRUE(StoreStartup::open());
        EXPECT_TRUE(script.shown().isEmpty());
        EXPECT_EQ(StoreFile::exists(), test.profiles >= 0);
        if (test.profiles >= 0) {
            EXPECT_EQ(viewContext().fetchProfiles().value().size(), test.profiles);
        }
    }
}

// Not even root may write to the folder: as root, the child gives up its rights first. It tells
// what the alert said and what the start decided on standard error.
TEST_F(StoreStartupTest, AFolderThatCantBeWrittenLeavesOnlyQuitting)
{
    for (const bool withStore : {true, false}) {
        SCOPED_TRACE(withStore ? "with a store" : "without a store");
        closeViewContext();
        TestEnvironment::clearUserFolders();
        QDir().mkpath(StoreFile::folderPath());
        if (withStore) {
            StoreFiles::copyFixture();
        }
        const QByteArray before = StoreFiles::bytes(StoreFile::filePath());
        ::chmod(QFile::encodeName(TestEnvironment::root()).constData(), 0755);
        ::chmod(QFile::encodeName(StoreFile::folderPath()).constData(), 0555);
        EXPECT_EXIT(
            {
                if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                    std::_Exit(2);
                }
                AlertScript script;
                script.answer(Alert::firstButton);
                const bool goesOn = StoreStartup::open();
                std::fprintf(stderr, "%s\n[%s] %d\n", qPrintable(script.last().alert.message),
                             qPrintable(script.last().alert.buttons.join(',')), goesOn);
                std::_Exit(0);
            },
            testing::ExitedWithCode(0),
            "Brisvale cannot write to the folder or the file of its store .*/data/Brisvale/"
            "Brisvale\\.sqlite\\. Nothing was changed\\. Brisvale will now quit\\.\n"
            "The store's folder can't be written \\(.*\\)\n\\[Quit\\] 0\n");
        ::chmod(QFile::encodeName(StoreFile::folderPath()).constData(), 0755);
        ::chmod(QFile::encodeName(TestEnvironment::root()).constData(), 0700);
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), before);
        EXPECT_EQ(folderFiles(), withStore ? QStringList{"Brisvale.sqlite"} : QStringList());
    }
}

// Moving the file aside would not mend these: the alert says what failed and offers only quitting.
TEST_F(StoreStartupTest, AFaultOutsideTheFileLeavesOnlyQuittingWithTheSystemsWords)
{
    const auto emptyFile = [] { StoreFiles::writeStore(QByteArray()); };
    const QString quitting = QStringLiteral(" Brisvale will now quit.\n");
    const struct {
        const char* name;
        std::function<void()> make;
        StoreLayout layout;
        std::optional<std::int64_t> room; // a full disk: the room each file has
        QString message;
        QString reason;
    } cases[] = {
        {"an upgrade step that fails", StoreFiles::copyFixture,
         StoreLayout{{{QStringLiteral("INSERT INTO NoSuchTable VALUES (1)")}}}, std::nullopt,
         QStringLiteral("could not upgrade its store %1 for this version, for the reason below."),
         QStringLiteral("no such table: NoSuchTable")},
        {"a new store's tables that find no room", emptyFile, StoreLayout::current(), 0,
         QStringLiteral("cannot open its store %1, for the reason below. The file was not "
                        "changed."),
         QStringLiteral("disk I/O error")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        test.make();
        const QByteArray before = StoreFiles::bytes(StoreFile::filePath());
        AlertScript script;
        script.answer(Alert::firstButton);
        {
            std::optional<FileSizeLimit> fullDisk;
            if (test.room) {
                fullDisk.emplace(*test.room);
            }
            EXPECT_FALSE(StoreStartup::open(test.layout));
        }
        ASSERT_EQ(script.shown().size(), 1);
        const QString& message = script.last().alert.message;
        EXPECT_TRUE(message.startsWith(QStringLiteral("Brisvale ")
                                       + test.message.arg(StoreFile::filePath()) + quitting))
            << message.toStdString();
        EXPECT_TRUE(message.contains(test.reason)) << message.toStdString();
        EXPECT_EQ(script.last().alert.buttons, QStringList{"Quit"});
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), before);
        EXPECT_FALSE(QFileInfo::exists(asidePath()));
    }
}

TEST_F(StoreStartupTest, AStoreThatIsNoRegularFileLeavesOnlyQuitting)
{
    const QString drive = TestEnvironment::root() + QStringLiteral("/drive");
    const QString notAFile =
        QStringLiteral("The store is not a regular file (") + StoreFile::filePath();
    int pipeWriter = -1;
    // A writer holding bytes, so that a start which opens the pipe reads them and goes on.
    const auto namedPipe = [&] {
        ::mkfifo(QFile::encodeName(StoreFile::filePath()).constData(), 0600);
        pipeWriter = ::open(QFile::encodeName(StoreFile::filePath()).constData(),
                            O_RDWR | O_NONBLOCK);
        ASSERT_EQ(::write(pipeWriter, QByteArray(100, 'x').constData(), 100), 100);
    };
    const struct {
        const char* name;
        std::function<void()> make;
        QString message;
        QString details;
    } cases[] = {
        {"a link into a drive that is not mounted",
         [&] { QFile::link(drive + QStringLiteral("/Brisvale.sqlite"), StoreFile::filePath()); },
         QStringLiteral("is a link to a file that is not there (see below)."),
         QStringLiteral("The store's file is missing where its link points (") + drive},
        {"a named pipe", namedPipe,
         QStringLiteral("is not a file but a folder, a pipe or a device"),
         notAFile + QStringLiteral(": a named pipe)")},
        {"a folder", [] { QDir().mkpath(StoreFile::filePath()); },
         QStringLiteral("is not a file but a folder, a pipe or a device"),
         notAFile + QStringLiteral(": a folder)")},
    };
    const auto folderEntries = [] {
        return QDir(StoreFile::folderPath())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TestEnvironment::clearUserFolders();
        QDir().mkpath(StoreFile::folderPath());
        test.make();
        const QFileInfoList before = folderEntries();
        AlertScript script;
        script.answer(Alert::firstButton);

        EXPECT_FALSE(StoreStartup::open());
        ASSERT_EQ(script.shown().size(), 1);
        const QString& message = script.last().alert.message;
        EXPECT_TRUE(message.startsWith(QStringLiteral("The store ") + StoreFile::filePath()
                                       + QLatin1Char(' ') + test.message))
            << message.toStdString();
        EXPECT_TRUE(message.contains(
            QStringLiteral("Nothing was changed. Brisvale will now quit.\n") + test.details))
            << message.toStdString();
        EXPECT_EQ(script.last().alert.buttons, QStringList{"Quit"});
        EXPECT_EQ(folderEntries(), before);
        EXPECT_FALSE(QFileInfo::exists(drive));
        if (pipeWriter >= 0) {
            ::close(std::exchange(pipeWriter, -1));
        }
    }
}

// A file that can't be read holds what nobody knows: it is never offered to be moved aside, and
// the system's or the database's own words say why. Each start runs in a child process. Root reads
// a file of mode 0200 all the same: as root, the store and its folder are given to user "nobody",
// whom that row's child becomes. A link to this process's memory, whose first page is never
// mapped, gives every user an I/O error at its first byte.
TEST_F(StoreStartupTest, AStoreThatCantBeReadLeavesOnlyQuittingWithTheSystemsWords)
{
    const QString cannotRead = QStringLiteral(
        "cannot read its store %1, for the reason below. The file was not changed.");
    const QString readError = QStringLiteral("The store's file can't be read (%1: %2)");
    const struct {
        const char* name;
        std::function<void()> make;
        bool asNobody;
        QString message;
        QString reason;
    } cases[] = {
        {"a file its owner may write but not read (mode 0200)",
         [] {
             StoreFiles::copyFixture();
             ::chmod(QFile::encodeName(StoreFile::filePath()).constData(), 0200);
             giveStoreToNobody();
         },
         true, cannotRead, readError.arg(StoreFile::filePath(), QStringLiteral("Permission denied"))},
        {"a file whose first read fails (an I/O error)",
         [] { QFile::link(QStringLiteral("/proc/self/mem"), StoreFile::filePath()); }, false,
         cannotRead, readError.arg(StoreFile::filePath(), QStringLiteral("Input/output error"))},
        {"a table whose columns can't be read", profilesInAnUnknownModule, false,
         QStringLiteral("cannot open its store %1, for the reason below. The file was not changed."),
         QStringLiteral("The store can't be read (no such module: nosuchmodule")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        QDir().mkpath(StoreFile::folderPath());
        test.make();
        const QStringList before = folderFiles();
        const QByteArray bytes = StoreFiles::bytes(StoreFile::filePath());
        const auto fileState = [] {
            const QFileInfo file(StoreFile::filePath());
            return std::tuple(file.size(), file.lastModified(), int(file.permissions()));
        };
        const auto stateBefore = fileState();

        const StartOutcome start = startInChild(test.asNobody);
        ::chmod(QFile::encodeName(TestEnvironment::root()).constData(), 0700);
        EXPECT_FALSE(start.goesOn);
        EXPECT_EQ(start.alerts, 1);
        EXPECT_TRUE(start.message.startsWith(QStringLiteral("Brisvale ")
                                             + test.message.arg(StoreFile::filePath())
                                             + QStringLiteral(" Brisvale will now quit.\n")))
            << start.message.toStdString();
        EXPECT_TRUE(start.message.contains(test.reason)) << start.message.toStdString();
        EXPECT_EQ(start.buttons, QStringList{"Quit"});
        EXPECT_EQ(folderFiles(), before);
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), bytes);
        EXPECT_EQ(fileState(), stateBefore);
        EXPECT_FALSE(QFileInfo::exists(asidePath()));
    }
}
