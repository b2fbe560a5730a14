#pragma once

#include <QAccessibleWidget>

// What a screen reader is told of a plain container of a class of its own (a card of a page, a
// QFrame) that leaves out some of its widgets: what Qt tells of it, its role and name included, with those widgets no elements of its
// own. A reader walks a window through each element's children, so flat review and "where am I"
// meet the widgets that are left out nowhere.
class ContainerAccessible : public QAccessibleWidget {
public:
    // From now on the widget's parent no longer reports it (Accessibility::leaveOutForReader).
    static void leaveOut(QWidget& widget);

    ContainerAccessible(QWidget* container, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    // The elements Qt reports, but the widgets left out, in their order.
    QList<QAccessibleInterface*> reported() const;
};
