#include "ChartEngine/foundation/ChartAccessibility.h"

#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NSUIAccessibilityElementAccessible.h"
#include "ChartEngine/foundation/NSUIView.h"
#include "ChartEngine/foundation/NSUIViewAccessible.h"

#include <QAccessible>

#include <utility>

namespace Charts::ChartAccessibility {

namespace {

EventObserver eventObserver = nullptr;

}

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object)
{
    if (auto* view = qobject_cast<NSUIView*>(object)) {
        return new NSUIViewAccessible(view);
    }
    if (auto* element = qobject_cast<NSUIAccessibilityElement*>(object)) {
        return new NSUIAccessibilityElementAccessible(element);
    }
    return nullptr;
}

EventObserver installEventObserver(EventObserver observer)
{
    return std::exchange(eventObserver, observer);
}

void postEvent(QAccessibleEvent& event)
{
    if (eventObserver) {
        eventObserver(&event);
    }
    QAccessible::updateAccessibility(&event);
}

}
