#pragma once

#include <QString>
#include <QtGlobal>

// What a store's file says about itself in its first 100 bytes, read without SQLite: a file is
// looked at before it is opened, so that one made by a newer Brisvale is never opened for
// writing, and a file cut short is named as such.
struct StoreFileHeader {
    enum class Kind {
        empty,        // no file or no bytes: SQLite takes it as a new database
        notADatabase, // the bytes don't begin as a SQLite file does
        cutShort,     // a SQLite file that ends before its header says it does
        database,     // a SQLite file of the size its header gives
    };

    Kind kind = Kind::empty;
    qint64 fileSize = 0;
    qint64 declaredSize = 0; // the page size times the page count, when the header gives them
    int userVersion = 0;     // the layout version (PRAGMA user_version)

    // Reads the file's header; a file that can't be read gives notADatabase.
    static StoreFileHeader read(const QString& path);
};
