#pragma once

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

}

}
