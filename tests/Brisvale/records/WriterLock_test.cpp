#include "Brisvale/records/WriterLock.h"

#include "Brisvale/records/StoreFile.h"

#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <sys/wait.h>
#include <csignal>
#include <functional>
#include <optional>
#include <ostream>
#include <unistd.h>

// Outcomes by name in a failure's message.
inline void PrintTo(WriterLock::Outcome outcome, std::ostream* os)
{
    const char* const names[] = {"taken", "heldByAnother", "heldElsewhere", "unavailable", "inTheWay"};
    *os << names[int(outcome)];
}

namespace {

// A process of this very program, as a copy of the application would be, made by fork: it waits
// to be ended. A zombie has ended and is not reaped until the object ends; a child of another
// user (root alone may make one) is given to user "nobody" before it waits.
class Child {
public:
    enum class Kind { running, zombie, anotherUser };

    explicit Child(Kind kind)
    {
        int ready[2] = {-1, -1};
        if (::pipe(ready) != 0) {
            return;
        }
        pid = ::fork();
        if (pid == 0) {
            live(kind, ready[1]); // never returns
        }
        ::close(ready[1]); // a child that ends without a word ends the read
        char answer = 0;
        made = pid > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
        if (!made && kind != Kind::anotherUser) {
            ADD_FAILURE() << "the child process was not made";
        }
        siginfo_t ended{};
        if (made && kind == Kind::zombie) {
            // Waits for its end, leaving it unreaped.
            ::waitid(P_PID, id_t(pid), &ended, WEXITED | WNOWAIT);
        }
    }
    ~Child()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid = -1;
    bool made = false; // a root without the right to change users makes no child of another

private:
    // Only calls that are safe in the child of a process with threads.
    [[noreturn]] static void live(Kind kind, int ready)
    {
        const uid_t nobody = 65534;
        const bool living = kind != Kind::anotherUser
            || ::syscall(SYS_setresuid, nobody, nobody, nobody) == 0;
        const char answer = living ? 'y' : 'n';
        if (::write(ready, &answer, 1) != 1 || !living || kind == Kind::zombie) {
            ::_exit(0);
        }
        for (;;) {
            ::pause();
        }
    }
};

QByteArray number(qint64 pid)
{
    return QByteArray::number(pid);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& folder)
{
    QStringList found;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        found << it.next();
    }
    return found;
}

}

// Lock files written out in the data folder, as a copy that ended, a copy that runs (here, under a
// host name changed since, or on another computer) or a restart of the computer leaves them: each
// is taken over, held (another computer's named), or named when it can't be removed. The
// rows run as the user the tests run as, and each gives the same verdict for root and for anyone
// else:
// - process number 1 (and 2, a kernel thread, outside a container) is another user's for anyone
//   but root; for root it runs another program than "brisvale", or none that can be told.
// - a copy of another user is, for root, a child of this program given to user "nobody" (kill
//   succeeds for root: the process's owner decides); for anyone else, or a root that may not
//   change users, it is process 1, root's or another program.
TEST(WriterLockTest, ALockNoRunningCopyHoldsIsTakenOverHeldOrNamed)
{
    const Child running(Child::Kind::running);
    const Child zombie(Child::Kind::zombie);
    std::optional<Child> otherUser;
    if (::geteuid() == 0) {
        otherUser.emplace(Child::Kind::anotherUser);
    }
    const pid_t otherUsers = otherUser && otherUser->made ? otherUser->pid : 1;
    const QByteArray program =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray thisComputer = '\n' + host + '\n' + QSysInfo::machineUniqueId() + '\n';
    const QByteArray thisBoot = thisComputer + QSysInfo::bootUniqueId() + '\n';
    const QByteArray anotherBoot = thisComputer + "00000000-0000-0000-0000-000000000000\n";
    // This computer under another host name (DHCP, hostnamectl), and another computer.
    const QByteArray renamed =
        "\nanother-host\n" + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n';
    const QByteArray anotherMachine = "0123456789abcdef0123456789abcdef\n";
    const QByteArray elsewhere = "\nbrisvale\nthat-host\n" + anotherMachine;
    ASSERT_FALSE(QSysInfo::bootUniqueId().isEmpty());
    ASSERT_FALSE(QSysInfo::machineUniqueId().isEmpty());
    const QString path = WriterLock::filePath();
    const auto lockWith = [&](const QByteArray& bytes) {
        return [&, bytes] {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
    };
    const QByteArray afterRestart = "\nbrisvale\n" + host + '\n';
    // The lock another copy holds while it takes the lock over.
    std::optional<QLockFile> takingOver;
    using Outcome = WriterLock::Outcome;
    const struct {
        const char* name;
        std::function<void()> make;
        Outcome outcome;
        QString reason;
        QString computer{}; // the other computer named
    } cases[] = {
        {"garbage", lockWith("\x01\x02 no lock\n"), Outcome::taken, {}},
        {"a dangling link",
         [&] { QFile::link(TestEnvironment::root() + QStringLiteral("/gone"), path); },
         Outcome::taken, {}},
        {"a running copy of another host, without a machine id",
         lockWith(number(running.pid) + '\n' + program + "\nanother-host\n"), Outcome::heldElsewhere,
         {}, QStringLiteral("another-host")},
        {"a running copy of this computer under another host name",
         lockWith(number(running.pid) + '\n' + program + renamed), Outcome::heldByAnother, {}},
        {"a running copy of this boot under another host name, without a machine id",
         lockWith(number(running.pid) + '\n' + program + "\nanother-host\n\n" + QSysInfo::bootUniqueId()
                  + '\n'),
         Outcome::heldByAnother, {}},
        {"a copy gone of this computer under another host name",
         lockWith(number(zombie.pid) + '\n' + program + renamed), Outcome::taken, {}},
        {"a copy on another computer", lockWith("1" + elsewhere + QSysInfo::bootUniqueId() + '\n'),
         Outcome::heldElsewhere, {}, QStringLiteral("that-host")},
        {"a copy on another computer of this host name",
         lockWith(number(running.pid) + '\n' + program + '\n' + host + '\n' + anotherMachine),
         Outcome::heldElsewhere, {}, QString::fromUtf8(host)},
        {"a running process of another program",
         lockWith(number(running.pid) + "\nbrisvale\n" + host + '\n'), Outcome::taken, {}},
        {"this very process's number",
         lockWith(number(QCoreApplication::applicationPid()) + '\n' + program + '\n' + host + '\n'),
         Outcome::taken, {}},
        {"a running copy of this computer",
         lockWith(number(running.pid) + '\n' + program + '\n' + host + '\n'), Outcome::heldByAnother,
         {}},
        {"a running copy of this computer since its start",
         lockWith(number(running.pid) + '\n' + program + thisBoot), Outcome::heldByAnother, {}},
        {"the same copy before the computer restarted",
         lockWith(number(running.pid) + '\n' + program + anotherBoot), Outcome::taken, {}},
        {"process number 1 after a restart", lockWith("1" + afterRestart), Outcome::taken, {}},
        {"process number 2 after a restart", lockWith("2" + afterRestart), Outcome::taken, {}},
        {"a copy of another user",
         lockWith(number(otherUsers) + '\n' + program + '\n' + host + '\n'), Outcome::taken, {}},
        {"a number beyond a process number's range",
         lockWith("4294967296\n" + program + '\n' + host + '\n'), Outcome::taken, {}},
        {"a copy killed and not yet reaped",
         lockWith(number(zombie.pid) + '\n' + program + thisBoot), Outcome::taken, {}},
        {"garbage that another copy is taking over",
         [&] {
             lockWith("garbage")();
             takingOver.emplace(path + QStringLiteral(".rmlock"));
             ASSERT_TRUE(takingOver->tryLock(0));
         },
         Outcome::heldByAnother, {}},
        {"a folder", [&] { QDir().mkpath(path + QStringLiteral("/inside")); }, Outcome::inTheWay,
         path + QStringLiteral(": Is a directory")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TestEnvironment::clearUserFolders();
        QDir().mkpath(StoreFile::folderPath());
        test.make();
        const QByteArray before = contents(path);
        const QStringList made = entries(StoreFile::folderPath());

        WriterLock lock;
        EXPECT_EQ(lock.take(), test.outcome);
        EXPECT_EQ(lock.reason(), test.reason);
        EXPECT_EQ(lock.otherComputer(), test.computer);
        if (test.outcome == Outcome::taken) {
            EXPECT_TRUE(contents(path).startsWith(number(QCoreApplication::applicationPid()) + '\n'));
        } else {
            EXPECT_EQ(contents(path), before);
            EXPECT_EQ(entries(StoreFile::folderPath()), made);
        }
        takingOver.reset();
    }
    TestEnvironment::clearUserFolders();
}

// The lock file can't be made: the system's words say why, and the data folder is as it was.
TEST(WriterLockTest, ALockThatCantBeMadeIsExplained)
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
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TestEnvironment::clearUserFolders();
        test.make();
        const QStringList before = entries(data);
        WriterLock lock;
        WriterLock::Outcome outcome = WriterLock::Outcome::taken;
        {
            std::optional<FileSizeLimit> fullDisk;
            if (test.room) {
                fullDisk.emplace(*test.room);
            }
            outcome = lock.take();
        }
        EXPECT_EQ(outcome, WriterLock::Outcome::unavailable);
        EXPECT_EQ(lock.reason(), test.reason);
        EXPECT_EQ(entries(data), before);
    }
    TestEnvironment::clearUserFolders();
}
