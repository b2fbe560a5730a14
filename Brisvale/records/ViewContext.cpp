#include "Brisvale/records/ViewContext.h"

#include "Brisvale/platform/Fatal.h"

#include <QCoreApplication>

namespace {

const QString connectionName = QStringLiteral("Brisvale");

// Never destroyed by the exit of the program: the database connections are gone by then. The
// application's delegate closes the store at its end, and the application object's end closes one
// still open; after a fatal stop the system does.
StoreContext*& current()
{
    static StoreContext* context = nullptr;
    return context;
}

void closeAtApplicationEnd()
{
    static bool registered = false;
    if (!registered && QCoreApplication::instance()) {
        qAddPostRoutine(closeViewContext);
        registered = true;
    }
}

}

std::optional<StoreFile::Refusal> openViewContext(const StoreLayout& layout)
{
    if (current()) {
        return std::nullopt;
    }
    StoreFile::Identity opened;
    std::optional<StoreFile::Refusal> refused = StoreFile::open(connectionName, layout, &opened);
    if (!refused) {
        current() = new StoreContext(connectionName, opened);
        closeAtApplicationEnd();
    }
    return refused;
}

StoreContext& viewContext()
{
    if (const std::optional<StoreFile::Refusal> refused = openViewContext()) {
        Fatal::stop(QStringLiteral("Unresolved error ") + refused->error.text());
    }
    return *current();
}

void closeViewContext()
{
    delete std::exchange(current(), nullptr);
}
