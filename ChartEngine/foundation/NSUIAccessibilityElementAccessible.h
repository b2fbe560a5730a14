#pragma once

#include <QAccessibleObject>

namespace Charts {

class NSUIAccessibilityElement;

// How assistive technology sees one element of a chart: its label, role and selection, a
// screen rectangle computed from its frame when asked (none off screen), and its container view
// as parent.
class NSUIAccessibilityElementAccessible : public QAccessibleObject {
public:
    explicit NSUIAccessibilityElementAccessible(NSUIAccessibilityElement* element);

    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;

private:
    NSUIAccessibilityElement* element() const;
};

}
