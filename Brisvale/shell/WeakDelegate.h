#pragma once

#include <QObject>
#include <QPointer>
#include <concepts>

// A page's weak link to the object it reports to (the main window): a QObject that implements
// the delegate protocol. The link never owns its target and reads as none once it is destroyed.
template <typename Protocol>
class WeakDelegate {
public:
    template <typename Target>
        requires std::derived_from<Target, QObject> && std::derived_from<Target, Protocol>
    void set(Target* target)
    {
        object = target;
        protocol = target;
    }

    void clear()
    {
        object = nullptr;
        protocol = nullptr;
    }

    // The target while it lives, else none.
    Protocol* get() const { return object ? protocol : nullptr; }

private:
    QPointer<QObject> object;
    Protocol* protocol = nullptr;
};
