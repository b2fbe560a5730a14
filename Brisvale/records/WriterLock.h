#pragma once

#include <QLockFile>
#include <QString>

// The one writer of the application's folder: a lock file beside the store, taken when the
// application starts and held until it ends, so that a second copy on the same data folder never
// reads or writes the store, the state file or the work folders while the first one runs.
//
// A lock is held only while it names a live process of this user, on this computer and since it
// last started, that runs the program that wrote it (QLockFile records the process
// number, the program's file name, the host, and the machine's and the boot's ids). Any other
// lock file is stale and taken over: one that can't be read as a lock (empty, garbage, a folder,
// a dangling link, unreadable, a number beyond a process number's range), one of another host or
// of an earlier boot, and one whose process is gone, is a zombie (killed, not yet reaped), is
// another user's (the data folder is this user's: after a restart its number often belongs to a
// system service) or runs another program. A running copy may hold the lock for weeks, so the
// lock's age counts for nothing.
class WriterLock {
public:
    enum class Outcome {
        taken,          // this copy is the writer until the lock ends
        heldByAnother,  // another running copy is the writer
        unavailable,    // the lock file can't be made (reason())
        inTheWay,       // a stale lock can't be removed (reason())
    };

    WriterLock();

    // Takes the lock without waiting; taking it again while held changes nothing.
    Outcome take();

    // Why the lock was not taken, in the system's words, after unavailable or inTheWay.
    QString reason() const { return failure; }

    // The lock file, <data location>/Brisvale/Brisvale.lock.
    static QString filePath();

private:
    bool isStale() const;
    Outcome takeOver();
    Outcome cannotMake();

    QLockFile lock;
    QString failure;
};
