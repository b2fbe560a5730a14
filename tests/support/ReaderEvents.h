#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Records the accessibility events that the program sends, as a screen reader's bridge would
// receive them, while it lives. One recorder at a time.
//
// Qt sends no accessibility event while no reader is attached, and offscreen none ever attaches:
// the recorder switches the platform's accessibility on for its lifetime, as a reader would.
class ReaderEvents {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString value; // the new value of a value change, as text, or the new text of a text change
    };

    ReaderEvents()
    {
        current() = this;
        QAccessible::installUpdateHandler(&ReaderEvents::record);
        setReaderAttached(true);
    }
    ~ReaderEvents()
    {
        setReaderAttached(false);
        QAccessible::installUpdateHandler(nullptr);
        current() = nullptr;
    }
    ReaderEvents(const ReaderEvents&) = delete;
    ReaderEvents& operator=(const ReaderEvents&) = delete;

    // The events of one type, in the order they were sent.
    QList<Event> ofType(QAccessible::Event type) const
    {
        QList<Event> found;
        for (const Event& event : events) {
            if (event.type == type) {
                found.append(event);
            }
        }
        return found;
    }

    QList<Event> events;

private:
    static void setReaderAttached(bool attached)
    {
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            platform->setActive(attached);
        }
    }

    static ReaderEvents*& current()
    {
        static ReaderEvents* recorder = nullptr;
        return recorder;
    }

    static void record(QAccessibleEvent* event)
    {
        QString value;
        if (event->type() == QAccessible::ValueChanged) {
            value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        } else if (event->type() == QAccessible::TextUpdated) {
            value = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
        }
        if (ReaderEvents* recorder = current()) {
            recorder->events.append({event->type(), event->object(), value});
        }
    }
};
