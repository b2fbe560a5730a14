#pragma once

#include <QLockFile>
#include <QString>

// The one writer of the application's folder: a lock file beside the store, taken when the
// application starts and held until it ends, so that a second copy on the same data folder never
// reads or writes the store, the state file or the work folders while the first one runs. A lock
// left by a copy that ended without letting go (a crash, kill -9) names a process that is gone,
// and is taken over.
class WriterLock {
public:
    enum class Outcome {
        taken,          // this copy is the writer until the lock ends
        heldByAnother,  // another running copy is the writer
        unavailable,    // the lock file cannot be made (the folder cannot be written)
    };

    WriterLock();

    // Takes the lock without waiting; taking it again while held changes nothing.
    Outcome take();

    // The lock file, <data location>/Brisvale/Brisvale.lock.
    static QString filePath();

private:
    QLockFile lock;
};
