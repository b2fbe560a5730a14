#pragma once

#include "Brisvale/records/StoreContext.h"

// The program's one store context, opened on first use from the store's file (StoreFile).
// Check StoreFile::exists() before the first use when it matters: opening creates the file.
// A store that can't be opened, or whose layout is newer than this program knows, stops the
// program with "Unresolved error " and the error; the file is left untouched then.
StoreContext& viewContext();

// Closes the store; the next viewContext() opens it afresh from the current data location.
// Objects fetched before are no longer the context's. For tests, which start each case with a
// fresh data folder.
void closeViewContext();
