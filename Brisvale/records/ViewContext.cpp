#include "Brisvale/records/ViewContext.h"

#include "Brisvale/platform/Fatal.h"
#include "Brisvale/records/StoreFile.h"

#include <QCoreApplication>

namespace {

const QString connectionName = QStringLiteral("Brisvale");

// Never destroyed by the exit of the program: the database connections are gone by then. The
// application object's end closes the store instead; after a fatal stop the system does.
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

StoreContext& viewContext()
{
    if (!current()) {
        const StoreStatus opened = StoreFile::open(connectionName);
        if (!opened) {
            Fatal::stop(QStringLiteral("Unresolved error ") + opened.error().text());
        }
        current() = new StoreContext(connectionName);
        closeAtApplicationEnd();
    }
    return *current();
}

void closeViewContext()
{
    delete std::exchange(current(), nullptr);
}
