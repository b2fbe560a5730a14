#pragma once

#include "Brisvale/records/WriterLock.h"

#include <QObject>

class QPalette;

// The application's delegate: the quitting rule, the light appearance and the window's Save
// action. The store itself is opened on first use (viewContext), after the main window has
// looked for its file.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    // Closing the last window quits the application; nothing is saved at the end, since every
    // change is saved when it is made.
    AppDelegate();

    // Closes the store before the lock lets the data folder go: a copy that takes the lock the
    // moment it is free never finds this one's connection to the store still open.
    ~AppDelegate() override;

    // At launch, before the store or the state file is touched: makes this copy the data folder's
    // one writer until the delegate ends. When it can't (another running Brisvale is the writer,
    // here or on another computer, the lock file can't be made, or a stale one can't be
    // removed), an alert says why (for another computer naming it and the lock file, for a lock
    // that can't be made or removed naming the lock file and giving the system's words), and
    // false is returned: the application then
    // quits, touching nothing. Once the lock is taken, what a report or an import cut short left
    // in the work folders is removed (FolderProcess::clearWorkFolders).
    bool claimDataFolder();

    // At launch: the light appearance is forced only when the desktop's is dark.
    void applicationDidFinishLaunching();

    // Whether a palette is a dark appearance (its window colour is dark).
    static bool isDarkAppearance(const QPalette& palette);

    // The window's Save action: saves the store's pending changes, if any; a failed save is shown
    // in an alert.
    void saveAction();

private:
    QString lockMessage(WriterLock::Outcome outcome) const;

    WriterLock writerLock;
};
