#pragma once

#include <QLockFile>
#include <QString>

// The one writer of the application's folder: a lock file beside the store, taken when the
// application starts and held until it ends, so that a second copy on the same data folder never
// reads or writes the store, the state file or the work folders while the first one runs.
//
// QLockFile records the process number, the program's file name, the host name, and the machine's
// and the boot's ids, one a line. The machine's id tells whose a lock is: the host name changes
// while a copy runs (DHCP, hostnamectl) and two computers may share a name and a home folder, so
// it decides only for a lock without machine ids to compare (one written where the system has
// none), and then only after the boot's id, which is this computer's when it is this boot's.
//
// A lock of another computer is held: nothing here tells whether Brisvale still runs there, and
// two copies writing one store is the worst that can happen, so the user is told which computer
// holds it (a lock of another host without a machine id is taken for another computer's, since
// it can't be told from one). A lock of this computer is held only while it names a live process
// of this user, since the computer last started, that runs the program that wrote it. Any other
// lock file is stale and taken over: one that can't be read as a lock (empty, garbage, a folder,
// a dangling link, unreadable, a number beyond a process number's range), one of an earlier boot,
// and one whose process is gone, is a zombie (killed, not yet reaped), is another user's (the data
// folder is this user's: after a restart its number often belongs to a system service) or runs
// another program. A running copy may hold the lock for weeks, so the lock's age counts for
// nothing.
class WriterLock {
public:
    enum class Outcome {
        taken,          // this copy is the writer until the lock ends
        heldByAnother,  // another running copy is the writer
        heldElsewhere,  // a copy on another computer is the writer (otherComputer())
        unavailable,    // the lock file can't be made (reason())
        inTheWay,       // a stale lock can't be removed (reason())
    };

    WriterLock();

    // Takes the lock without waiting; taking it again while held changes nothing.
    Outcome take();

    // Why the lock was not taken, in the system's words, after unavailable or inTheWay.
    QString reason() const { return failure; }

    // The computer whose copy holds the lock, after heldElsewhere: its host name as the lock
    // names it (its machine's id for a lock without one).
    QString otherComputer() const { return holderComputer; }

    // The lock file, <data location>/Brisvale/Brisvale.lock.
    static QString filePath();

private:
    enum class Holder { none, thisComputer, anotherComputer };

    Holder holder();
    Outcome takeOver();
    Outcome cannotMake();

    QLockFile lock;
    QString failure;
    QString holderComputer;
};
