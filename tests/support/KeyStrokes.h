#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

// Keys as the window system sends them to the widget with the focus, each stroke at a time of its
// own, the program handling its events after each event. A key held down repeats: its release and
// its press come again at one time, marked as repeats or not (X11 leaves most unmarked), until it
// is released.
namespace KeyStrokes {

enum class Stroke {
    down,           // the key goes down
    repeat,         // a repeat of the held key, marked as one
    unmarkedRepeat, // a repeat of the held key, unmarked
    up,             // the key is released
};

inline void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeat, quint64 time)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        ADD_FAILURE() << "A key went to no widget: none had the focus";
        return;
    }
    QKeyEvent event(type, key, modifiers, QString(), repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(focus, &event);
}

inline void strike(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::vector<Stroke>& strokes)
{
    static quint64 time = 1000;
    for (const Stroke stroke : strokes) {
        time += 40;
        const bool marked = stroke == Stroke::repeat;
        if (stroke == Stroke::repeat || stroke == Stroke::unmarkedRepeat) {
            send(QEvent::KeyRelease, key, modifiers, marked, time);
            QCoreApplication::processEvents();
        }
        send(stroke == Stroke::up ? QEvent::KeyRelease : QEvent::KeyPress, key, modifiers, marked, time);
        QCoreApplication::processEvents();
    }
}

}
