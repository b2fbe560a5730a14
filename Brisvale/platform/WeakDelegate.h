#pragma once

#include <QObject>
#include <QPointer>
#include <concepts>

// A weak link from a page or sheet to the object that receives its reports: the receiver is a
// QObject that also implements the protocol. The link never owns it and reads as empty once the
// receiver is destroyed, so a report to a receiver that is gone is simply not made.
template <typename Protocol>
class WeakDelegate {
public:
    template <typename Receiver>
        requires std::derived_from<Receiver, QObject> && std::derived_from<Receiver, Protocol>
    void set(Receiver* receiver)
    {
        object = receiver;
        protocol = receiver;
    }

    void clear()
    {
        object = nullptr;
        protocol = nullptr;
    }

    // The receiver while it lives, else none.
    Protocol* get() const { return object ? protocol : nullptr; }

private:
    QPointer<QObject> object;
    Protocol* protocol = nullptr;
};
