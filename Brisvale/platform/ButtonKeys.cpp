#include "Brisvale/platform/ButtonKeys.h"

#include "Brisvale/platform/AlertDialog.h"

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

QAbstractButton* ButtonKeys::pressedBy(const QKeyEvent& key, QObject* receiver)
{
    const bool enterKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!enterKey || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return nullptr;
    }
    auto* button = qobject_cast<QAbstractButton*>(receiver);
    const bool pressable = qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
    if (!pressable || !button->isEnabled() || qobject_cast<AlertDialog*>(button->window())) {
        return nullptr;
    }
    return button;
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    // A key that a button leaves goes on to its parents, which are no buttons of their own.
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    QAbstractButton* button = pressedBy(*key, watched);
    if (!button) {
        return false;
    }
    // A held key presses once, as a held Space does.
    if (!key->isAutoRepeat()) {
        button->click();
    }
    return true;
}
