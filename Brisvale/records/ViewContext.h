#pragma once

#include "Brisvale/records/StoreContext.h"
#include "Brisvale/records/StoreFile.h"

#include <optional>

// The program's one store context, opened on first use from the store's file (StoreFile).
// Check StoreFile::exists() before the first use when it matters: opening creates the file.
// The application opens it at start through openViewContext, so that a store it can't use is
// answered by the user; a store that can't be opened later stops the program with
// "Unresolved error " and the error. The file is left untouched then.
StoreContext& viewContext();

// Opens the program's store context from the store's file with the layout, unless it is open
// already; gives the refusal when the file was not opened (it is left untouched then).
std::optional<StoreFile::Refusal> openViewContext(
    const StoreLayout& layout = StoreLayout::current());

// Closes the store; the next viewContext() opens it afresh from the current data location.
// Objects fetched before are no longer the context's. The application's delegate closes it at its
// end, before the data folder's lock is let go; tests close it to start each case with a fresh
// data folder.
void closeViewContext();
