#include "Brisvale/shell/AppDelegate.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/WriterLock.h"

#include "support/EventWait.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QPalette>
#include <QProcess>
#include <QSqlDatabase>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

namespace {

class ApplicationDelegate : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        savedPalette = QApplication::palette();
        savedStyle = QApplication::style()->name();
    }
    void TearDown() override
    {
        closeViewContext();
        QApplication::setStyle(savedStyle);
        QApplication::setPalette(savedPalette);
    }

    QPalette savedPalette;
    QString savedStyle;
};

// Copies of the application's start (the writer lock probe), run on one fresh data folder.
class TwoCopies : public testing::Test {
protected:
    void TearDown() override
    {
        for (const std::unique_ptr<QProcess>& copy : copies) {
            copy->kill();
            waitForEnd(*copy);
        }
    }

    QProcess& start(const QString& email) { return start(email, home.path()); }

    // A copy whose data and configuration folders lie under the root.
    QProcess& start(const QString& email, const QString& root)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess& copy = *copies.emplace_back(std::make_unique<QProcess>());
        copy.setProcessEnvironment(environment);
        copy.start(QStringLiteral(WRITER_LOCK_PROBE), {email});
        return copy;
    }

    // The copy's first line of output; empty when it ended without one.
    static QString firstLine(QProcess& copy)
    {
        waitUntil([&] { return copy.canReadLine() || copy.state() == QProcess::NotRunning; });
        return QString::fromUtf8(copy.readLine()).trimmed();
    }

    static void waitForEnd(QProcess& copy)
    {
        waitUntil([&] { return copy.state() == QProcess::NotRunning; });
    }

    QByteArray bytes(const QString& relativePath) const
    {
        QFile file(home.filePath(relativePath));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> copies;
    const QString storeFile = QStringLiteral("data/Brisvale/Brisvale.sqlite");
    const QString stateFile = QStringLiteral("config/Brisvale/Brisvale.ini");
    const QString lockFile = QStringLiteral("data/Brisvale/Brisvale.lock");
};

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(30, 30, 30));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Base, QColor(20, 20, 20));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    return palette;
}

}

TEST_F(ApplicationDelegate, ADarkDesktopGetsTheLightAppearanceALightOneIsLeftAlone)
{
    AppDelegate delegate;
    QPalette light;
    light.setColor(QPalette::Window, QColor(236, 236, 236));
    QApplication::setPalette(light);
    const QString styleBefore = QApplication::style()->name();
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(QApplication::style()->name(), styleBefore);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(236, 236, 236));

    QApplication::setPalette(darkPalette());
    ASSERT_TRUE(AppDelegate::isDarkAppearance(QApplication::palette()));
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    EXPECT_FALSE(AppDelegate::isDarkAppearance(QApplication::palette()));
    EXPECT_GT(QApplication::palette().color(QPalette::Base).lightness(), 200);
    EXPECT_LT(QApplication::palette().color(QPalette::Text).lightness(), 80);
}

TEST_F(ApplicationDelegate, ClosingTheLastWindowQuits)
{
    QApplication::setQuitOnLastWindowClosed(false);
    AppDelegate delegate;
    EXPECT_TRUE(QApplication::quitOnLastWindowClosed());
}

TEST_F(ApplicationDelegate, SaveWithoutAStoreFileCreatesNone)
{
    AppDelegate delegate;
    delegate.saveAction();
    EXPECT_FALSE(StoreFile::exists());
}

TEST_F(ApplicationDelegate, SaveWritesThePendingChanges)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@example.com");
    ASSERT_TRUE(viewContext().hasChanges());
    AppDelegate delegate;
    delegate.saveAction();
    EXPECT_FALSE(viewContext().hasChanges());
    closeViewContext();
    const StoreResult<ProfilePtr> stored = viewContext().fetchProfile(QStringLiteral("ann@example.com"));
    ASSERT_TRUE(stored.ok());
    EXPECT_NE(stored.value(), nullptr);
}

TEST_F(ApplicationDelegate, AFailedSaveIsShownInAnAlert)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@example.com");
    viewContext().insertReading(profile); // no date: the store refuses the save
    AlertScript script;
    script.answer(1000);
    AppDelegate delegate;
    delegate.saveAction();
    ASSERT_EQ(script.shown().size(), 1);
    const Presentation& shown = script.last();
    EXPECT_EQ(shown.kind, Presentation::Kind::alert);
    EXPECT_EQ(shown.alert.symbol, AlertSymbol::xmark);
    EXPECT_TRUE(shown.alert.message.startsWith(QStringLiteral("Your changes could not be saved.\n")));
    EXPECT_GT(shown.alert.message.size(), QStringLiteral("Your changes could not be saved.\n").size());
}

TEST_F(ApplicationDelegate, SaveWithNothingPendingShowsNothing)
{
    viewContext();
    AlertScript script;
    AppDelegate delegate;
    delegate.saveAction();
    EXPECT_TRUE(script.shown().isEmpty());
}

TEST_F(TwoCopies, ASecondCopySaysTheFirstIsRunningAndQuitsTouchingNothing)
{
    QProcess& first = start(QStringLiteral("ann@example.com"));
    ASSERT_EQ(firstLine(first), QStringLiteral("writer"));
    const QByteArray store = bytes(storeFile);
    const QByteArray state = bytes(stateFile);
    ASSERT_FALSE(store.isEmpty());
    ASSERT_TRUE(state.contains("ann@example.com"));

    QProcess& second = start(QStringLiteral("bob@example.com"));
    EXPECT_EQ(firstLine(second),
        QStringLiteral("alert: ") + Localization::text(QStringLiteral("AppDelegate_AlertMessage_AlreadyRunning")));
    waitForEnd(second);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), EXIT_FAILURE);
    EXPECT_EQ(bytes(storeFile), store);
    EXPECT_EQ(bytes(stateFile), state);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(TwoCopies, TheLockOfAKilledCopyIsTakenOver)
{
    QProcess& first = start(QStringLiteral("ann@example.com"));
    ASSERT_EQ(firstLine(first), QStringLiteral("writer"));
    first.kill();
    waitForEnd(first);
    ASSERT_FALSE(bytes(lockFile).isEmpty()); // left behind, naming a process that is gone

    QProcess& second = start(QStringLiteral("bob@example.com"));
    EXPECT_EQ(firstLine(second), QStringLiteral("writer"));
    EXPECT_TRUE(bytes(stateFile).contains("bob@example.com"));
}

// What a report or an import cut short left in the work folders is gone once a copy holds the
// lock, and only then: the store and its copies stay, and the work of a copy that runs is its
// own.
TEST_F(TwoCopies, TheWorkFoldersAreClearedOnceTheLockIsTaken)
{
    const QString folder = QStringLiteral("data/Brisvale/");
    const QStringList kept = {folder + QStringLiteral("Brisvale.sqlite.v1.bak"),
                              folder + QStringLiteral("Brisvale.sqlite.unreadable-2024-03-14-101500")};
    const QString importCopy = folder + QStringLiteral("JsonFile/BAK2JSON/Export_QFDB_20240314.json");
    const QString alreadyRunning = QStringLiteral("alert: ")
        + Localization::text(QStringLiteral("AppDelegate_AlertMessage_AlreadyRunning"));
    const struct {
        const char* name;
        QStringList leftovers;
        bool firstRuns; // the first copy still holds the lock when the second starts
    } cases[] = {
        {"an import cut short", {importCopy}, false},
        {"a report cut short",
         {folder + QStringLiteral("PDFMakeChartPic/PEF/0.png"),
          folder + QStringLiteral("PDFMakeChartPic/FEV1/0.png")},
         false},
        {"a plain file in a work folder's place", {folder + QStringLiteral("JsonFile")}, false},
        {"the import of a copy that runs", {importCopy}, true},
    };
    const auto write = [&](const QString& relativePath) {
        QDir().mkpath(QFileInfo(home.filePath(relativePath)).path());
        QFile file(home.filePath(relativePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(relativePath.toUtf8());
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QDir(home.filePath(QStringLiteral("data"))).removeRecursively();
        QProcess& first = start(QStringLiteral("ann@example.com"));
        ASSERT_EQ(firstLine(first), QStringLiteral("writer"));
        for (const QString& file : kept + test.leftovers) {
            write(file);
        }
        if (!test.firstRuns) {
            first.kill();
            waitForEnd(first);
        }

        QProcess& second = start(QStringLiteral("bob@example.com"));
        EXPECT_EQ(firstLine(second), test.firstRuns ? alreadyRunning : QStringLiteral("writer"));
        for (const QString& file : kept) {
            EXPECT_EQ(bytes(file), file.toUtf8());
        }
        EXPECT_FALSE(bytes(storeFile).isEmpty());
        for (const QString& file : test.leftovers) {
            EXPECT_EQ(QFileInfo::exists(home.filePath(file)), test.firstRuns) << file.toStdString();
        }
        for (QProcess* copy : {&first, &second}) {
            copy->kill();
            waitForEnd(*copy);
        }
    }
}

// The start can't make this copy the writer: the alert names the lock file and gives the
// system's words (or names the other computer whose copy holds it), and the data folder is as it
// was.
TEST_F(ApplicationDelegate, AStartThatCantTakeTheLockSaysWhyAndTouchesNothing)
{
    const QString data = TestEnvironment::root() + QStringLiteral("/data");
    const QString lock = WriterLock::filePath();
    const struct {
        const char* name;
        std::function<void()> make;
        QString message;
    } cases[] = {
        {"a lock of another computer",
         [&] {
             QDir().mkpath(StoreFile::folderPath());
             QFile file(lock);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("4242\nbrisvale\nthat-host\n0123456789abcdef0123456789abcdef\n\n");
         },
         Localization::text(QStringLiteral("AppDelegate_AlertMessage_RunningElsewhere"))
             .arg(QStringLiteral("that-host"), lock)},
        {"a folder in the lock file's place", [&] { QDir().mkpath(lock + QStringLiteral("/inside")); },
         Localization::text(QStringLiteral("AppDelegate_AlertMessage_LockInTheWay")).arg(lock)
             + QLatin1Char('\n') + lock + QStringLiteral(": Is a directory")},
        {"a file where the application's folder should be",
         [] { QFile(StoreFile::folderPath()).open(QIODevice::WriteOnly); },
         Localization::text(QStringLiteral("AppDelegate_AlertMessage_LockNotMade")).arg(lock)
             + QStringLiteral("\nNot a directory")},
    };
    const auto entries = [&] {
        QStringList found;
        for (QDirIterator it(data, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            found << it.next();
        }
        return found;
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TestEnvironment::clearUserFolders();
        test.make();
        const QStringList before = entries();
        AlertScript script;
        script.answer(Alert::firstButton);
        AppDelegate delegate;
        EXPECT_FALSE(delegate.claimDataFolder());
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().alert.message, test.message);
        EXPECT_EQ(entries(), before);
    }
    TestEnvironment::clearUserFolders();
}

// The store is closed before the lock lets the data folder go: when the delegate has ended, a
// copy that takes the free lock finds no connection of this one open.
TEST_F(ApplicationDelegate, TheStoreIsClosedBeforeTheLockIsLetGo)
{
    const struct {
        const char* name;
        bool opened;
    } cases[] = {
        {"a store that was opened", true},
        {"a store never opened", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        {
            AppDelegate delegate;
            ASSERT_TRUE(delegate.claimDataFolder());
            if (test.opened) {
                ASSERT_FALSE(openViewContext());
                ASSERT_TRUE(QSqlDatabase::contains(QStringLiteral("Brisvale")));
            }
            ASSERT_TRUE(QFileInfo::exists(WriterLock::filePath()));
        }
        EXPECT_FALSE(QFileInfo::exists(WriterLock::filePath()));
        EXPECT_EQ(QSqlDatabase::connectionNames(), QStringList());
        EXPECT_EQ(StoreFile::exists(), test.opened);
    }
}
