#include "Brisvale/shell/AppDelegate.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/WriterLock.h"

#include "support/EventWait.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QPalette>
#include <QProcess>
#include <QStyle>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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

// Lock files that name no running copy of this computer, written out in the data folder: each is
// taken over, or named when it can't be removed. An empty or unreadable lock reads as garbage. Where a lock must name a running process of the
// same program, it names a copy running on a data folder of its own.
TEST_F(TwoCopies, ALockNoRunningCopyHoldsIsTakenOverOrNamed)
{
    QTemporaryDir elsewhere;
    QProcess& running = start(QStringLiteral("ann@example.com"), elsewhere.path());
    ASSERT_EQ(firstLine(running), QStringLiteral("writer"));
    const QByteArray program = QFileInfo(QStringLiteral(WRITER_LOCK_PROBE)).fileName().toUtf8();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray runningCopy = QByteArray::number(running.processId()) + '\n' + program;
    const QByteArray otherProgram = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + program + '\n' + host + '\n';
    const QString path = home.filePath(lockFile);
    const auto lockWith = [&](const QByteArray& bytes) {
        return [&, bytes] {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
    };
    // The lock another copy holds while it takes the lock over.
    std::optional<QLockFile> takingOver;
    const QString taken = QStringLiteral("writer");
    const auto alert = [](const QString& text) { return QStringLiteral("alert: ") + text; };
    const QString alreadyRunning =
        alert(Localization::text(QStringLiteral("AppDelegate_AlertMessage_AlreadyRunning")));
    const struct {
        const char* name;
        std::function<void()> make;
        QString firstLine;
    } cases[] = {
        {"garbage", lockWith("\x01\x02 no lock\n"), taken},
        {"a dangling link", [&] { QFile::link(home.filePath(QStringLiteral("gone")), path); },
         taken},
        {"a running copy of another host", lockWith(runningCopy + "\nanother-host\n"), taken},
        {"a process that runs another program", lockWith(otherProgram), taken},
        {"a running copy of this computer", lockWith(runningCopy + '\n' + host + '\n'),
         alreadyRunning},
        {"garbage that another copy is taking over",
         [&] {
             lockWith("garbage")();
             takingOver.emplace(path + QStringLiteral(".rmlock"));
             ASSERT_TRUE(takingOver->tryLock(0));
         },
         alreadyRunning},
        {"a folder", [&] { QDir().mkpath(path + QStringLiteral("/inside")); },
         alert(Localization::text(QStringLiteral("AppDelegate_AlertMessage_LockInTheWay"))
                   .arg(path))},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QDir(home.filePath(QStringLiteral("data"))).removeRecursively();
        QDir().mkpath(QFileInfo(path).path());
        test.make();
        QProcess& copy = start(QStringLiteral("bob@example.com"));

        EXPECT_EQ(firstLine(copy), test.firstLine);
        if (test.firstLine == taken) {
            EXPECT_TRUE(bytes(lockFile).startsWith(QByteArray::number(copy.processId()) + '\n'));
            copy.kill();
        }
        waitForEnd(copy);
        EXPECT_EQ(QFileInfo::exists(home.filePath(storeFile)), test.firstLine == taken);
        takingOver.reset();
    }
    EXPECT_EQ(QString::fromUtf8(copies.back()->readAll()),
              path + QStringLiteral(": Is a directory\n"));
    EXPECT_EQ(running.state(), QProcess::Running);
}

// The lock file can't be made: the start says why in the system's words and quits, and the data
// folder is as it was.
TEST(WriterLockTest, ALockThatCantBeMadeIsExplainedAndTheStartQuits)
{
    const QString data = TestEnvironment::root() + QStringLiteral("/data");
    const struct {
        const char* name;
        std::function<void()> make;
        std::optional<std::int64_t> room; // a full disk: the room each file has
        QString reason;
    } cases[] = {
        {"a full disk", [] { QDir().mkpath(StoreFile::folderPath()); }, 0,
         QStringLiteral("File too large")},
        {"a file where the folder should be",
         [] { QFile(StoreFile::folderPath()).open(QIODevice::WriteOnly); }, std::nullopt,
         QStringLiteral("Not a directory")},
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
        QDir().mkpath(data);
        test.make();
        const QStringList before = entries();
        AlertScript script;
        script.answer(Alert::firstButton);
        AppDelegate delegate;
        bool claimed = true;
        {
            std::optional<FileSizeLimit> fullDisk;
            if (test.room) {
                fullDisk.emplace(*test.room);
            }
            claimed = delegate.claimDataFolder();
        }
        EXPECT_FALSE(claimed);
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().alert.message,
                  Localization::text(QStringLiteral("AppDelegate_AlertMessage_LockNotMade"))
                          .arg(WriterLock::filePath())
                      + QLatin1Char('\n') + test.reason);
        EXPECT_EQ(entries(), before);
    }
    TestEnvironment::clearUserFolders();
}
