#include "Brisvale/records/WriterLock.h"

#include "Brisvale/records/StoreFile.h"

#include <QDir>

WriterLock::WriterLock()
    : lock(filePath())
{
    // A running copy may hold the lock for weeks: only a holder that is gone makes it stale.
    lock.setStaleLockTime(0);
}

WriterLock::Outcome WriterLock::take()
{
    if (lock.isLocked()) {
        return Outcome::taken;
    }
    QDir().mkpath(StoreFile::folderPath());
    if (lock.tryLock(0)) {
        return Outcome::taken;
    }
    return lock.error() == QLockFile::LockFailedError ? Outcome::heldByAnother : Outcome::unavailable;
}

QString WriterLock::filePath()
{
    return StoreFile::folderPath() + QStringLiteral("/Brisvale.lock");
}
