#pragma once

#include "Brisvale/records/StoreResult.h"

#include <QString>

// The store's file: <data location>/Brisvale/Brisvale.sqlite, where the data location is the
// user's generic data folder (XDG_DATA_HOME on Linux). A SQLite database holding the tables
// "Profile" and "PFM", its layout versioned by PRAGMA user_version.
class StoreFile {
public:
    // The layout this program writes and reads.
    static constexpr int schemaVersion = 1;

    // The application's folder, <data location>/Brisvale (also the home of the work folders).
    static QString folderPath();

    // The store's file inside the application's folder.
    static QString filePath();

    // Whether the store's file exists; looks without opening (opening creates the file).
    static bool exists();

    // Opens the store's file as a Qt SQL connection of the given name, foreign keys on. A new or
    // empty file gets the current layout. A file that can't be read, that isn't a store of ours
    // or whose layout is newer than schemaVersion is refused with an error and left exactly as
    // it was; no connection of that name is left behind then.
    static StoreStatus open(const QString& connectionName);
};
