#pragma once

#include "Brisvale/records/StoreLayout.h"

// The store's opening at start, before the main window is made. A store that can't be used is
// never changed or deleted: an alert names its file and what is wrong. For a file that is damaged
// or not a store, the user may quit or have it moved aside (its name with the date and time) and
// start with a new, empty store; quitting is the default, the new store a second button. A fault
// outside the file (a store made by a newer Brisvale, a folder that can't be written, an upgrade
// that failed, a disk too full for it, any other failure of SQLite) leaves only quitting, with
// the system's or the database's own words below the message; so does a store that is a link to
// a missing file (a drive not mounted) or no regular file at all, and a file that can't be read
// (no right to read it, an I/O error): what it holds is not known, so it is never offered to be
// moved aside.
namespace StoreStartup {

// Opens the store (a missing file is made later, when the main window looks for it; only its
// folder is checked then). Returns whether the application goes on.
bool open(const StoreLayout& layout = StoreLayout::current());

// The same opening for a main window made without it (tests make the window directly); a store
// already open is kept as it is. When the user quits, the program ends here with a failure
// status, as it does at start.
void openOrQuit();

}
