#include "Brisvale/platform/ButtonKeys.h"

#include "Brisvale/platform/AppClock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

bool isPressingKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}

void ButtonKeys::install()
{
    static ButtonKeys* installed = nullptr;
    if (!installed) {
        installed = new ButtonKeys(qApp);
        qApp->installEventFilter(installed);
    }
}

bool ButtonKeys::isReturn(const QKeyEvent& key)
{
    const bool enterKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return enterKey && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QAbstractButton* ButtonKeys::pressedBy(const QKeyEvent& key, QObject* receiver)
{
    const bool space = key.key() == Qt::Key_Space && key.modifiers() == Qt::NoModifier;
    if (!space && !isReturn(key)) {
        return nullptr;
    }
    auto* button = qobject_cast<QAbstractButton*>(receiver);
    const bool pressable = qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
    return pressable && button->isEnabled() ? button : nullptr;
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    // A key that a button leaves goes on to its parents, which are no buttons of their own.
    if (event->type() == QEvent::KeyPress) {
        return press(watched, *static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::KeyRelease) {
        return release(watched, *static_cast<QKeyEvent*>(event));
    }
    return false;
}

// The window system marks a held key's repeats as such, or not (X11 leaves most unmarked): a
// repeat is a release and a press at the same time, which no fingers make.
bool ButtonKeys::isRepeat(const QKeyEvent& press) const
{
    const bool withItsRelease = press.key() == releasedKey_ && press.timestamp() == releaseTime_;
    return press.isAutoRepeat() || (withItsRelease && releaseTime_ != 0);
}

// A fresh press holds the button down; a repeat does nothing, but for telling that the held key
// is still down.
bool ButtonKeys::press(QObject* receiver, const QKeyEvent& key)
{
    QAbstractButton* button = pressedBy(key, receiver);
    if (!button) {
        return false;
    }
    if (isRepeat(key)) {
        if (button == held_ && key.key() == heldKey_) {
            releasing_ = false;
        }
        return true;
    }
    if (releasing_) {
        pressHeldButton();
    }
    button->setDown(true);
    held_ = button;
    heldKey_ = key.key();
    return true;
}

// The release of the key that holds the button down presses it, once no repeat followed it; a
// release that carries no time (one a program made) is followed by none and presses at once. The
// release of a key that went down elsewhere (before a question opened and took the focus) presses
// nothing.
bool ButtonKeys::release(QObject* receiver, const QKeyEvent& key)
{
    if (isPressingKey(key.key())) {
        releasedKey_ = key.key();
        releaseTime_ = key.timestamp();
    }
    if (!held_ || receiver != held_.data() || key.key() != heldKey_) {
        return false;
    }
    if (key.isAutoRepeat()) {
        return true;
    }
    releasing_ = true;
    if (key.timestamp() == 0) {
        pressHeldButton();
        return true;
    }
    const quint64 serial = ++releaseSerial_;
    AppClock::after(repeatWait, this, [this, serial] {
        if (releasing_ && serial == releaseSerial_) {
            pressHeldButton();
        }
    });
    return true;
}

// The held button is pressed, unless it went up meanwhile (it lost the focus).
void ButtonKeys::pressHeldButton()
{
    QAbstractButton* button = held_;
    held_ = nullptr;
    releasing_ = false;
    if (button && button->isDown()) {
        button->click();
    }
}
