#include "Brisvale/shell/StoreFailure.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"

namespace StoreFailure {

void printCouldNotFetch(const StoreError& error)
{
    Console::printLine(QStringLiteral("Could not fetch. ") + error.description + QStringLiteral(", ")
                       + error.details);
}

void stopFetchFailed(const StoreError& error)
{
    Fatal::stop(QStringLiteral("Failed to fetch data: ") + error.text());
}

}
