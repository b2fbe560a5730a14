#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>

// Records the accessibility events that the program sends, as a screen reader's bridge would
// receive them, while it lives. One recorder at a time.
//
// Offscreen no reader attaches, and Qt hands every event to the accessibility bridges that the
// program carries instead. The recorder listens as such a bridge, linked into the test programs,
// and passes each event through the handler that the program installed in front of the reader
// (the date pickers' filter), as Qt does while a reader is attached: what the handler hands on is
// what a reader hears. Qt's widgets make some events only while a reader is attached (an item
// view's focus and selection); those are not heard here.
class ReaderEvents {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString value; // the new value of a value change, as text, or the new text of a text change
        QString name;  // the accessible name of what the event is about, as it was then
    };

    ReaderEvents();
    ~ReaderEvents();
    ReaderEvents(const ReaderEvents&) = delete;
    ReaderEvents& operator=(const ReaderEvents&) = delete;

    // The events of one type, in the order they were sent.
    QList<Event> ofType(QAccessible::Event type) const;

    QList<Event> events;

    // An event as Qt hands it to the bridges.
    static void receive(QAccessibleEvent* event);

private:
    void record(QAccessibleEvent& event);
};
