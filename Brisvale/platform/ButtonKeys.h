#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;

// Return and Enter press the push button or tool button that has the keyboard focus, as Space
// does: a page of the side menu, Continue, Help. Qt's buttons take them only in a dialog, and
// then only a push button. In a question (an alert) they keep answering as the alert does, with
// the highlighted button.
class ButtonKeys : public QObject {
    Q_OBJECT

public:
    // From now on for every window of the program; installing it again changes nothing.
    static void install();

    // The button that a key press sent to the receiver (the widget with the focus) presses: a
    // push or tool button outside an alert, for Return or Enter without modifiers (Enter comes
    // from the keypad); none otherwise.
    static QAbstractButton* pressedBy(const QKeyEvent& key, QObject* receiver);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
