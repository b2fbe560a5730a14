#include "ChartEngine/foundation/ChartAccessibility.h"

#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NSUIAccessibilityElementAccessible.h"
#include "ChartEngine/foundation/NSUIView.h"
#include "ChartEngine/foundation/NSUIViewAccessible.h"

#include <QAccessible>

namespace Charts::ChartAccessibility {

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

}
