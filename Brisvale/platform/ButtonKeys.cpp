#include "Brisvale/platform/ButtonKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

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
    if (!isReturn(key)) {
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

// The key holds the button down; its repeats do nothing.
bool ButtonKeys::press(QObject* receiver, const QKeyEvent& key)
{
    QAbstractButton* button = pressedBy(key, receiver);
    if (!button) {
        return false;
    }
    if (!key.isAutoRepeat()) {
        button->setDown(true);
        held_ = button;
        heldKey_ = key.key();
    }
    return true;
}

// The key that held the button down presses it as it is released, unless the button went up
// meanwhile (it lost the focus). The release of a key that went down elsewhere presses nothing.
bool ButtonKeys::release(QObject* receiver, const QKeyEvent& key)
{
    if (!held_ || receiver != held_.data() || key.key() != heldKey_) {
        return false;
    }
    if (!key.isAutoRepeat()) {
        QAbstractButton* button = held_;
        held_ = nullptr;
        if (button->isDown()) {
            button->click();
        }
    }
    return true;
}
