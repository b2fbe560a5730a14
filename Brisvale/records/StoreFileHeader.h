#pragma once

#include <QString>
#include <QtGlobal>

// What a store's file says about itself in its first 100 bytes, read without SQLite: a file is
// looked at before it is opened, so that one made by a newer Brisvale is never opened for
// writing, and a file cut short is named as such.
struct StoreFileHeader {
    enum class Kind {
        empty,        // no file or no bytes: SQLite takes it as a new database
        unreadable,   // the file can't be opened or read (no right to read it, an I/O error)
        notADatabase, // the bytes don't begin as a SQLite file does
        cutShort,     // a SQLite file that ends before its header says it does
        database,     // a SQLite file of the size its header gives
    };

    Kind kind = Kind::empty;
    qint64 fileSize = 0;
    qint64 declaredSize = 0; // the page size times the page count, when the header gives them
    int userVersion = 0;     // the layout version (PRAGMA user_version)
    QString readError;       // why an unreadable file could not be read, in the system's words

    // Reads the file's header. A file that can't be read is unreadable, never taken for one that
    // isn't a database: what it holds is not known.
    static StoreFileHeader read(const QString& path);
};
