#include "Brisvale/records/WriterLock.h"

#include "Brisvale/records/StoreFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>

#include <csignal>
#include <limits>
#include <optional>
#include <unistd.h>

namespace {

// What /proc tells of a process: its state (R, S, D, Z ...) and its effective user.
struct ProcessStatus {
    char state = '?';
    std::optional<uid_t> user;
};

std::optional<ProcessStatus> statusOf(pid_t pid)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    ProcessStatus status;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(0) == "State:") {
            const QByteArray state = fields.value(1);
            status.state = state.isEmpty() ? '?' : state.front();
        } else if (fields.value(0) == "Uid:") {
            bool read = false;
            const uint user = fields.value(2).toUInt(&read); // real, effective, saved, file system
            status.user = read ? std::optional<uid_t>(uid_t(user)) : std::nullopt;
        }
    }
    return status;
}

// The file name of the program a process runs, as QLockFile records it; empty when it can't be
// told (a kernel thread runs none). A program replaced on disk while it runs (an update) is still
// itself.
QString programOf(pid_t pid)
{
    QString program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    const QString replaced = QStringLiteral(" (deleted)");
    if (program.endsWith(replaced)) {
        program.chop(replaced.size());
    }
    return QFileInfo(program).fileName();
}

// Whether the process is a copy of the program that holds the lock: a live process of this user
// that runs it. kill answers EPERM for another user's process, which can't be a copy on this
// user's data folder (root may signal anyone, so the owner is read as well); a zombie, a copy
// killed and not yet reaped by its parent, holds nothing. Without /proc to ask, any process that
// runs under the number is taken for the copy.
bool runsTheCopy(pid_t pid, const QString& program)
{
    if (::kill(pid, 0) != 0) {
        return false;
    }
    if (!QFileInfo::exists(QStringLiteral("/proc/self/status"))) {
        return true;
    }
    const std::optional<ProcessStatus> status = statusOf(pid);
    return status && status->user == ::geteuid() && status->state != 'Z'
        && programOf(pid) == program;
}

// The machine's and the boot's ids that QLockFile writes after the host; empty where a lock has
// none (one written where the system has no machine id, or by an older QLockFile).
struct WrittenIds {
    QByteArray machine;
    QByteArray boot;
};

WrittenIds idsOf(const QString& lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> lines;
    while (lines.size() < 5 && !file.atEnd()) {
        lines << file.readLine(256).trimmed();
    }
    return WrittenIds{lines.value(3), lines.value(4)};
}

// Whether a lock was written on this computer. Without machine ids to compare, a lock of this
// boot is (a boot's id is drawn anew at random at each start), and otherwise the host name
// decides, an empty one naming none.
bool writtenHere(const QString& host, const WrittenIds& written)
{
    const QByteArray machine = QSysInfo::machineUniqueId();
    if (!written.machine.isEmpty() && !machine.isEmpty()) {
        return written.machine == machine;
    }
    if (!written.boot.isEmpty() && written.boot == QSysInfo::bootUniqueId()) {
        return true;
    }
    return host.isEmpty() || host == QSysInfo::machineHostName();
}

bool writtenInAnotherBoot(const WrittenIds& written)
{
    const QByteArray current = QSysInfo::bootUniqueId();
    return !written.boot.isEmpty() && !current.isEmpty() && written.boot != current;
}

// Whether anything, a dangling link too, lies at the path.
bool present(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

}

WriterLock::WriterLock()
    : lock(filePath())
{
    lock.setStaleLockTime(0);
}

// The lock is made, and a stale one removed, only while this copy holds a second lock beside it,
// the one that QLockFile takes for its own removal of a stale lock (which then keeps out of the
// way): copies taking the lock at the same moment do it one after the other, and of two that
// find the same stale lock, the later one finds the earlier one's new lock, held.
WriterLock::Outcome WriterLock::take()
{
    if (lock.isLocked()) {
        return Outcome::taken;
    }
    QDir().mkpath(StoreFile::folderPath());
    QLockFile guard(filePath() + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0)) {
        // Another copy is taking the lock at this moment.
        return guard.error() == QLockFile::LockFailedError ? Outcome::heldByAnother : cannotMake();
    }
    if (lock.tryLock(0)) {
        return Outcome::taken;
    }
    if (lock.error() != QLockFile::LockFailedError) {
        return cannotMake();
    }
    switch (holder()) {
    case Holder::none:
        return takeOver();
    case Holder::thisComputer:
        return Outcome::heldByAnother;
    case Holder::anotherComputer:
        return Outcome::heldElsewhere;
    }
    return Outcome::heldByAnother;
}

// Who holds the lock file (the class's comment gives the rule); none for a stale one. A lock of
// this computer that names this very process, which doesn't hold it, was left by an earlier
// process of the same number (before the computer restarted). A number beyond pid_t's would be
// cut to another one (0 asks after this process's own group).
WriterLock::Holder WriterLock::holder()
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program) || pid <= 0
        || pid > std::numeric_limits<pid_t>::max()) {
        return Holder::none;
    }
    const WrittenIds written = idsOf(filePath());
    if (!writtenHere(host, written)) {
        holderComputer = host.isEmpty() ? QString::fromUtf8(written.machine) : host;
        return Holder::anotherComputer;
    }
    if (writtenInAnotherBoot(written) || pid == QCoreApplication::applicationPid()) {
        return Holder::none;
    }
    return runsTheCopy(pid_t(pid), program) ? Holder::thisComputer : Holder::none;
}

WriterLock::Outcome WriterLock::takeOver()
{
    QFile stale(filePath());
    if (!stale.remove() && present(filePath())) {
        failure = filePath() + QStringLiteral(": ") + stale.errorString();
        return Outcome::inTheWay;
    }
    if (lock.tryLock(0)) {
        return Outcome::taken;
    }
    return lock.error() == QLockFile::LockFailedError ? Outcome::heldByAnother : cannotMake();
}

// QLockFile tells only that it failed: a file made and written beside it, as the lock file is,
// gives the system's words for why (a full disk, a folder that can't be written or made).
WriterLock::Outcome WriterLock::cannotMake()
{
    QTemporaryFile probe(filePath() + QStringLiteral("-XXXXXX"));
    if (!probe.open()) {
        failure = probe.errorString();
    } else if (probe.write(QByteArray(128, '\n')) != 128 || !probe.flush()) {
        failure = probe.errorString();
    } else {
        failure = QStringLiteral("the lock file could not be made");
    }
    return Outcome::unavailable;
}

QString WriterLock::filePath()
{
    return StoreFile::folderPath() + QStringLiteral("/Brisvale.lock");
}
