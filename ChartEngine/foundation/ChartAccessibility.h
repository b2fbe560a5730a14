#pragma once

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QString;

namespace Charts {

// Connects chart views and their elements to Qt's accessibility: a factory, installed once,
// that describes an NSUIView by NSUIViewAccessible and an NSUIAccessibilityElement by
// NSUIAccessibilityElementAccessible.
namespace ChartAccessibility {

// Installs the factory the first time; later calls do nothing. GUI thread only.
void install();

// The factory itself (Qt calls it with the class name being asked about and the object).
QAccessibleInterface* interfaceFor(const QString& className, QObject* object);

// Something that hears every event a chart sends, in the process (Qt passes events on only
// while a platform reader is active, so an in-process listener would otherwise hear nothing).
using EventObserver = void (*)(QAccessibleEvent* event);
// Installs the observer (none: nullptr); answers the one installed before.
EventObserver installEventObserver(EventObserver observer);
// Sends the event to the observer, if any, and to assistive technology.
void postEvent(QAccessibleEvent& event);

}

}
