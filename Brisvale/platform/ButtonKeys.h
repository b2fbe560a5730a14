#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;

// Return, Enter and Space press the push button or tool button that has the keyboard focus: a
// page of the side menu, Continue, Help, a question's highlighted button. Qt's buttons take Return
// and Enter only in a dialog, then only a push button, and as the key goes down. Here the key holds
// the button down and presses it as it is released: a held key presses once, and a key that was
// already down when the button took the focus (a question opened meanwhile) presses nothing.
class ButtonKeys : public QObject {
    Q_OBJECT

public:
    // From now on for every window of the program; installing it again changes nothing.
    static void install();

    // Return or Enter without modifiers (Enter comes from the keypad).
    static bool isReturn(const QKeyEvent& key);

    // The button that a press of Space, Return or Enter without modifiers, sent to the receiver
    // (the widget with the focus), holds down: a push or tool button; none otherwise.
    static QAbstractButton* pressedBy(const QKeyEvent& key, QObject* receiver);

    // How long (ms, on AppClock) the release of the key that holds a button down waits for a
    // repeat before it presses the button: a held key's repeat is a release and a press, which
    // the program may receive one after the other. Too short to be seen.
    static constexpr int repeatWait = 50;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    bool press(QObject* receiver, const QKeyEvent& key);
    bool release(QObject* receiver, const QKeyEvent& key);
    bool isRepeat(const QKeyEvent& press) const;
    void pressHeldButton();

    // The button that the key went down on, until the key is released.
    QPointer<QAbstractButton> held_;
    int heldKey_ = 0;
    // The last release of Space, Return or Enter, wherever it went: a held key's repeat is a
    // release and a press at the same time.
    int releasedKey_ = 0;
    quint64 releaseTime_ = 0;
    // The held key's release waits for a repeat; the serial tells its wait from earlier ones.
    bool releasing_ = false;
    quint64 releaseSerial_ = 0;
};
