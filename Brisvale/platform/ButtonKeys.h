#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;

// Return and Enter press the push button or tool button that has the keyboard focus, as Space
// does: a page of the side menu, Continue, Help, a question's highlighted button. Qt's buttons
// take them only in a dialog, then only a push button, and as the key goes down. Here, as with
// Space, the key holds the button down and presses it as it is released: a held key presses once,
// and a key that was already down when the button took the focus (a question opened meanwhile)
// presses nothing.
class ButtonKeys : public QObject {
    Q_OBJECT

public:
    // From now on for every window of the program; installing it again changes nothing.
    static void install();

    // Return or Enter without modifiers (Enter comes from the keypad).
    static bool isReturn(const QKeyEvent& key);

    // The button that a Return or Enter press sent to the receiver (the widget with the focus)
    // holds down: a push or tool button; none otherwise.
    static QAbstractButton* pressedBy(const QKeyEvent& key, QObject* receiver);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    bool press(QObject* receiver, const QKeyEvent& key);
    bool release(QObject* receiver, const QKeyEvent& key);

    // The button that the key went down on, until the key is released.
    QPointer<QAbstractButton> held_;
    int heldKey_ = 0;
};
