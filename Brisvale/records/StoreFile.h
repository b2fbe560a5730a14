#pragma once

#include "Brisvale/records/StoreLayout.h"
#include "Brisvale/records/StoreResult.h"

#include <QDateTime>
#include <QString>
#include <optional>

// The store's file: <data location>/Brisvale/Brisvale.sqlite, where the data location is the
// user's generic data folder (XDG_DATA_HOME on Linux). A SQLite database holding the tables
// "Profile" and "PFM", its layout versioned by PRAGMA user_version (StoreLayout).
class StoreFile {
public:
    // The layout version this program writes and reads.
    static int schemaVersion() { return StoreLayout::current().version(); }

    // The application's folder, <data location>/Brisvale (also the home of the work folders).
    static QString folderPath();

    // The store's file inside the application's folder.
    static QString filePath();

    // Whether the store's file exists; looks without opening (opening creates the file).
    static bool exists();

    // Which file lies at a path, a link followed: its device and inode.
    struct Identity {
        quint64 device = 0;
        quint64 inode = 0;
        bool operator==(const Identity&) const = default;
    };

    // None when nothing can be looked at there (no file, a dangling link).
    static std::optional<Identity> identityOf(const QString& path);

    // Why a store was not opened. The file is left exactly as it was found.
    struct Refusal {
        enum class Problem {
            notWritable,      // the folder or the file can't be written
            unreadable,       // the file can't be read (no right to read it, an I/O error)
            newerVersion,     // made by a newer Brisvale; never opened for writing
            notADatabase,     // not a SQLite file at all
            cutShort,         // a SQLite file whose end is missing
            otherApplication, // a SQLite file holding another program's tables
            tablesMissing,    // a store without some of its tables or columns
            damaged,          // damaged pages or index entries (PRAGMA integrity_check) or records
            upgradeFailed,    // the copy kept before upgrading, or an upgrade step, failed
            noSpace,          // the same, on a disk with less room than a copy of the store
            cannotOpen,       // any other failure of the database
            danglingLink,     // a link to a file that isn't there (a drive not mounted)
            notARegularFile,  // a folder, a pipe or a device in the file's place
        };

        Problem problem = Problem::cannotOpen;
        StoreError error;  // in the program's words, with the system's or the database's
        int version = 0;   // the file's layout version, where it was read
    };

    // Checks that the application's folder exists (it is made when missing), takes a file and
    // lets the store's file be written, and that the store's place holds nothing or a regular
    // file (a link is followed): nothing else is opened, since a pipe would block the start.
    static std::optional<Refusal> checkPlace();

    // Opens the store's file as a Qt SQL connection of the given name, foreign keys on. A new or
    // empty file gets the layout. An older store is upgraded, after a copy of the file is kept
    // beside it as "Brisvale.sqlite.v<old version>.bak"; each step runs in its own transaction,
    // and a failed step leaves the file as it was before the first. A store found damaged by
    // PRAGMA integrity_check, without its tables, of a newer layout, or a file that isn't a store
    // is refused and left exactly as it was; no connection of that name is left behind then.
    // The file is identified before it is looked at (a new one as SQLite makes it), and it must
    // still lie at the store's path once SQLite opened it and once the layout is made current:
    // another file put there meanwhile (a link replaced) is refused as one that can't be opened,
    // and nothing is written to it. The opened file's identity goes to `opened`.
    static std::optional<Refusal> open(const QString& connectionName,
                                       const StoreLayout& layout = StoreLayout::current(),
                                       Identity* opened = nullptr);

    // Where the copy made before upgrading a store of that version goes.
    static QString upgradeCopyPath(int version);

    // Where a refused store is moved aside to at that moment: its name with the date and time.
    static QString asidePath(const QDateTime& moment);

    // Moves the store's file (with its SQLite journal, if any) to the path, which must not exist;
    // nothing is overwritten or deleted.
    static StoreStatus moveAside(const QString& path);
};
