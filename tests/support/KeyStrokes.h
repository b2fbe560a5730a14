#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

// Keys as the window system sends them to the widget with the focus. A key held down repeats:
// its release and its press come again, each marked as a repeat, until it is released.
namespace KeyStrokes {

enum class Stroke {
    down,   // the key goes down
    repeat, // a repeat of the held key: a release and a press, both marked as repeats
    up,     // the key is released
};

inline void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeat)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        ADD_FAILURE() << "A key went to no widget: none had the focus";
        return;
    }
    QKeyEvent event(type, key, modifiers, QString(), repeat);
    QApplication::sendEvent(focus, &event);
}

inline void strike(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::vector<Stroke>& strokes)
{
    for (const Stroke stroke : strokes) {
        if (stroke == Stroke::repeat) {
            send(QEvent::KeyRelease, key, modifiers, true);
        }
        send(stroke == Stroke::up ? QEvent::KeyRelease : QEvent::KeyPress, key, modifiers, stroke == Stroke::repeat);
    }
}

}
