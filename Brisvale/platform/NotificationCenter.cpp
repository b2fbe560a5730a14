#include "Brisvale/platform/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::shared()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::observe(const QString& name, QObject* receiver, Callback callback)
{
    if (!receiver || !callback) {
        return;
    }
    pruneDead();
    Registration fresh{name, receiver, receiver, std::move(callback), ++lastSerial};
    const auto found = std::find_if(registrations.begin(), registrations.end(), [&](const Registration& entry) {
        return entry.identity == receiver && entry.name == name;
    });
    if (found != registrations.end()) {
        *found = std::move(fresh);
    } else {
        registrations.push_back(std::move(fresh));
    }
}

void NotificationCenter::removeObserver(const QObject* receiver, const QString& name)
{
    std::erase_if(registrations, [&](const Registration& entry) {
        return entry.identity == receiver && (name.isNull() || entry.name == name);
    });
}

void NotificationCenter::post(const QString& name, const QVariantMap& userInfo)
{
    pruneDead();
    std::vector<quint64> serials;
    for (const Registration& entry : registrations) {
        if (entry.name == name) {
            serials.push_back(entry.serial);
        }
    }
    for (const quint64 serial : serials) {
        // Looked up afresh: an earlier callback may have removed or replaced this registration.
        const Registration* entry = registration(serial);
        if (entry && entry->receiver) {
            const Callback callback = entry->callback; // a copy: the callback may replace itself
            callback(userInfo);
        }
    }
}

int NotificationCenter::observerCount(const QString& name) const
{
    return static_cast<int>(std::count_if(registrations.begin(), registrations.end(), [&](const Registration& entry) {
        return entry.name == name && entry.receiver;
    }));
}

void NotificationCenter::pruneDead()
{
    std::erase_if(registrations, [](const Registration& entry) { return entry.receiver.isNull(); });
}

const NotificationCenter::Registration* NotificationCenter::registration(quint64 serial) const
{
    const auto found = std::find_if(registrations.begin(), registrations.end(),
                                    [serial](const Registration& entry) { return entry.serial == serial; });
    return found == registrations.end() ? nullptr : &*found;
}
