#pragma once

#include "Brisvale/records/StoreResult.h"

// How the pages report a failure of the store.
namespace StoreFailure {

// A fetch or save that ends an operation: prints "Could not fetch. " with the error's
// description and ", " its details.
void printCouldNotFetch(const StoreError& error);

// A fetch the page cannot do without: stops the program with "Failed to fetch data: " and the
// error.
[[noreturn]] void stopFetchFailed(const StoreError& error);

}
