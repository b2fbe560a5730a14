#include "Brisvale/records/WriterLock.h"

#include "Brisvale/records/StoreFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>

namespace {

bool processRuns(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// The file name of the program a process runs, as QLockFile records it; empty when it can't be
// told (another user's process). A program replaced on disk while it runs (an update) is still
// itself.
QString programOf(qint64 pid)
{
    QString program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    const QString replaced = QStringLiteral(" (deleted)");
    if (program.endsWith(replaced)) {
        program.chop(replaced.size());
    }
    return QFileInfo(program).fileName();
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
    return isStale() ? takeOver() : Outcome::heldByAnother;
}

// Whether the lock file names no running copy (the class's comment gives the rule). A lock that
// names this very process, which doesn't hold it, was left by an earlier process of the same
// number (before the computer restarted).
bool WriterLock::isStale() const
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program) || pid <= 0) {
        return true;
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return true;
    }
    if (pid == QCoreApplication::applicationPid() || !processRuns(pid)) {
        return true;
    }
    const QString running = programOf(pid);
    return !running.isEmpty() && running != program;
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
