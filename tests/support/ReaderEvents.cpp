#include "support/ReaderEvents.h"

#include <QAccessibleBridge>
#include <QtPlugin>

namespace {

ReaderEvents* recorder = nullptr;

// The handler installed in front of the reader, if any; it stays installed.
QAccessible::UpdateHandler installedHandler()
{
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(handler);
    return handler;
}

class ReaderBridge;

// Qt keeps the bridge until it cleans up the platform's accessibility, which it does not do at
// the program's end: a bridge left then goes with the program's other objects.
ReaderBridge* madeBridge = nullptr;

class ReaderBridge : public QAccessibleBridge {
public:
    ~ReaderBridge() override { madeBridge = nullptr; }
    void setRootObject(QAccessibleInterface* /*root*/) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override { ReaderEvents::receive(event); }
};

struct LeftOverBridge {
    ~LeftOverBridge() { delete madeBridge; }
} leftOverBridge;

}

// Qt finds the bridge among the program's plug-ins by this interface and key.
class ReaderBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "ReaderBridge.json")

public:
    QAccessibleBridge* create(const QString& /*key*/) override
    {
        madeBridge = new ReaderBridge;
        return madeBridge;
    }
};

Q_IMPORT_PLUGIN(ReaderBridgePlugin)

ReaderEvents::ReaderEvents()
{
    recorder = this;
}

ReaderEvents::~ReaderEvents()
{
    recorder = nullptr;
}

QList<ReaderEvents::Event> ReaderEvents::ofType(QAccessible::Event type) const
{
    QList<Event> found;
    for (const Event& event : events) {
        if (event.type == type) {
            found.append(event);
        }
    }
    return found;
}

void ReaderEvents::receive(QAccessibleEvent* event)
{
    // An event that the installed handler hands on comes back here while it runs.
    static bool handing = false;
    if (!recorder) {
        return;
    }
    const QAccessible::UpdateHandler handler = installedHandler();
    if (handing || !handler || !event->accessibleInterface()) {
        recorder->record(*event);
        return;
    }
    handing = true;
    handler(event);
    handing = false;
}

void ReaderEvents::record(QAccessibleEvent& event)
{
    QString value;
    if (event.type() == QAccessible::ValueChanged) {
        value = static_cast<QAccessibleValueChangeEvent&>(event).value().toString();
    } else if (event.type() == QAccessible::TextUpdated) {
        value = static_cast<QAccessibleTextUpdateEvent&>(event).textInserted();
    }
    QAccessibleInterface* element = event.type() == QAccessible::ObjectDestroyed ? nullptr : event.accessibleInterface();
    events.append({event.type(), event.object(), value, element ? element->text(QAccessible::Name) : QString()});
}

#include "ReaderEvents.moc"
