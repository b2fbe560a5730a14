#include "Brisvale/platform/Fatal.h"

#include "Brisvale/platform/Console.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace Fatal {

namespace {

Hook& hook()
{
    static Hook current;
    return current;
}

// Events that run work queued for later: timers, queued calls (meter replies, delayed saves),
// deferred deletions and posted events of the program's own types.
bool runsQueuedWork(QEvent::Type type)
{
    return type == QEvent::Timer || type == QEvent::MetaCall || type == QEvent::DeferredDelete
        || type >= QEvent::User;
}

// Whether the receiver is the modal alert on screen, its window or lies inside it.
bool insideShownAlert(const QObject* receiver)
{
    const QWidget* alert = QApplication::activeModalWidget();
    if (alert && receiver == alert->windowHandle()) {
        return true;
    }
    for (const QObject* object = receiver; alert && object; object = object->parent()) {
        if (object == alert) {
            return true;
        }
    }
    return false;
}

// Once the program stops, the alert's nested event loop must not run what was queued before the
// failure (a save, a meter reply): such events are dropped unless they belong to the alert itself.
// Painting and the alert's own input go on.
class QueuedWorkGate : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        return runsQueuedWork(event->type()) && !insideShownAlert(receiver);
    }
};

void holdBackQueuedWork()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application) {
        application->installEventFilter(new QueuedWorkGate(application));
    }
}

}

void stop(const QString& message)
{
    Console::printError(message);
    holdBackQueuedWork();
    if (hook()) {
        // The hook runs once: a failure inside it must not come back here.
        Hook shown = std::exchange(hook(), Hook());
        shown(message);
    }
    std::exit(EXIT_FAILURE);
}

void setHook(Hook replacement)
{
    hook() = std::move(replacement);
}

}
