#pragma once

#include <QObject>
#include <QPointer>
#include <algorithm>
#include <concepts>
#include <vector>

// The registry behind each notification hub: observers held weakly, one entry per object.
// An observer is a QObject that also implements the hub's protocol. Entries never own their
// observers; an observer that is destroyed while registered is skipped and its entry dropped at
// the next broadcast.
template <typename Protocol>
class ObserverHub {
public:
    struct Entry {
        const QObject* identity = nullptr; // the key: the object's address
        QPointer<QObject> object;          // weak; null once the object is destroyed
        Protocol* observer = nullptr;      // the same object through its protocol, used while alive
        quint64 serial = 0;                // tells this registration from a later one at the same address
    };

    // Registers the observer; registering it again replaces its entry, so it is called once.
    template <typename Observer>
        requires std::derived_from<Observer, QObject> && std::derived_from<Observer, Protocol>
    void addObserver(Observer* observer)
    {
        if (!observer) {
            return;
        }
        Entry entry{observer, observer, observer, ++lastSerial};
        const auto found = findIdentity(observer);
        if (found != liveEntries.end()) {
            *found = entry;
        } else {
            liveEntries.push_back(entry);
        }
    }

    // Unregisters the observer; an object that is not registered is left alone.
    void removeObserver(const QObject* observer)
    {
        const auto found = findIdentity(observer);
        if (found != liveEntries.end()) {
            liveEntries.erase(found);
        }
    }

    // The entries, live or not yet pruned.
    const std::vector<Entry>& observers() const { return liveEntries; }

protected:
    // Calls `call(observer)` on every live observer registered when the broadcast starts.
    // Observers added or removed by a callback change the registry, not the visit in progress:
    // a removed observer that is still alive is called. Entries whose object is gone are pruned.
    template <typename Call>
    void broadcast(Call call)
    {
        const std::vector<Entry> snapshot = liveEntries;
        for (const Entry& entry : snapshot) {
            if (entry.object) {
                call(*entry.observer);
            } else {
                prune(entry.serial);
            }
        }
    }

private:
    auto findIdentity(const QObject* identity)
    {
        return std::find_if(liveEntries.begin(), liveEntries.end(),
                            [identity](const Entry& entry) { return entry.identity == identity; });
    }

    // Removes the dead entry only if the registry still holds that very registration: its
    // address may meanwhile belong to a new object registered in its place.
    void prune(quint64 serial)
    {
        std::erase_if(liveEntries, [serial](const Entry& entry) { return entry.serial == serial; });
    }

    std::vector<Entry> liveEntries;
    quint64 lastSerial = 0;
};
