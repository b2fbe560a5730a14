#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader is told of a pop-up: its caption and its current choice as its name
// ("Date range, 30 days"), its choice as its value, the list it opens as its one child, and the
// actions that open that list. On Linux Qt names a pop-up by its choice alone, or by its caption
// alone once a caption labels it, and tells of a new choice in ways that a reader (Orca) passes
// over; a new value it speaks, with the name.
class PopUpAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    // From now on the pop-up speaks its caption and its choice, and a new choice is heard. Its
    // caption is its accessible name, else the text of the label whose buddy it is.
    static void speakChoice(QComboBox& popUp);

    explicit PopUpAccessible(QComboBox* popUp);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The choice's number: its place in the list, counted from a base of the pop-up's own, so
    // that no two pop-ups share a value. A reader that speaks a value only when it differs from
    // the last one it spoke, of any control, then hears every new choice. Setting it chooses as
    // the user does.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    QComboBox* popUp() const;
    int base() const;
};
