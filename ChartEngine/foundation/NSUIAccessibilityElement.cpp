#include "ChartEngine/foundation/NSUIAccessibilityElement.h"

#include "ChartEngine/foundation/ChartAccessibility.h"

namespace Charts {

NSUIAccessibilityElement::NSUIAccessibilityElement(QObject* container)
    : m_containerView(qobject_cast<QWidget*>(container))
{
    ChartAccessibility::install();
}

NSUIAccessibilityElement::~NSUIAccessibilityElement() = default;

void NSUIAccessibilityElement::setAccessibilityLabel(const QString& label)
{
    if (m_labelWritten && label == m_label) {
        return;
    }
    const bool changed = m_labelWritten;
    m_label = label;
    m_labelWritten = true;
    // A reader holding the element hears its new name; the first text is no change. A header's
    // text is its view's description, which a reader meets on the view.
    if (changed) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        ChartAccessibility::postEvent(event);
        if (m_isHeader && m_containerView) {
            QAccessibleEvent described(m_containerView.data(), QAccessible::DescriptionChanged);
            ChartAccessibility::postEvent(described);
        }
    }
}

void NSUIAccessibilityElement::setAccessibilityFrame(const QRectF& frame)
{
    if (!m_containerView) {
        return;
    }
    m_frame = frame;
}

QRectF NSUIAccessibilityElement::accessibilityScreenFrame() const
{
    if (!m_containerView) {
        return {};
    }
    // Only the container's whole-pixel origin goes through Qt's mapping; the frame itself may
    // hold any double.
    const QPoint origin = m_containerView->mapToGlobal(QPoint(0, 0));
    return m_frame.normalized().translated(origin);
}

void NSUIAccessibilityElement::setAccessibilityRole(QAccessible::Role role)
{
    m_role = role;
}

void NSUIAccessibilityElement::setHeader(bool header)
{
    m_isHeader = header;
}

void NSUIAccessibilityElement::setSelected(bool selected)
{
    m_isSelected = selected;
}

void NSUIAccessibilityElement::setOffScreen(bool offScreen)
{
    m_isOffScreen = offScreen;
}

void NSUIAccessibilityElement::setEntry(qint64 dataSetIndex, qint64 entryIndex, qint64 stackIndex)
{
    m_dataSetIndex = dataSetIndex;
    m_entryIndex = entryIndex;
    m_stackIndex = stackIndex;
}

void accessibilityPostLayoutChangedNotification(NSUIAccessibilityElement* element)
{
    if (!element) {
        return;
    }
    QAccessibleEvent event(element, QAccessible::LocationChanged);
    QAccessible::updateAccessibility(&event);
}

}
