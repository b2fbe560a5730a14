#pragma once

#include <QAccessibleWidget>

namespace Charts {

class NSUIView;

// How assistive technology sees a chart view: its label and role, and its accessibility rows
// (the renderers' elements but the headers) as its children.
class NSUIViewAccessible : public QAccessibleWidget {
public:
    explicit NSUIViewAccessible(NSUIView* view);

    QString text(QAccessible::Text kind) const override;
    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    // The view while it is whole; null once its destruction began.
    NSUIView* view() const;
};

}
