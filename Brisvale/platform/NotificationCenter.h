#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <vector>

// The process-wide notifications, posted by name with a dictionary of user information (such as
// "GetPFMBestValue" with "BestValue", posted for every best value read from the meter). Posting
// calls the observers of that name at once, in the order they registered, on the calling thread
// (the GUI thread). Observers are held weakly: a receiver that is destroyed is no longer called
// and its registrations are dropped.
class NotificationCenter {
public:
    using Callback = std::function<void(const QVariantMap& userInfo)>;

    static NotificationCenter& shared();

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // Registers the receiver for the name. A receiver has at most one registration per name:
    // observing again replaces the callback (keeping its place), so it is called once per post.
    void observe(const QString& name, QObject* receiver, Callback callback);

    // Drops the receiver's registration for the name, or for every name when none is given.
    void removeObserver(const QObject* receiver, const QString& name = QString());

    // Calls every live observer of the name registered when the post starts. An observer removed
    // by an earlier callback of the same post is not called; one added is called from the next
    // post on.
    void post(const QString& name, const QVariantMap& userInfo = QVariantMap());

    // The live registrations for the name.
    int observerCount(const QString& name) const;

private:
    struct Registration {
        QString name;
        const QObject* identity = nullptr; // the key, with the name
        QPointer<QObject> receiver;        // null once the receiver is destroyed
        Callback callback;
        quint64 serial = 0;                // tells this registration from any later one
    };

    void pruneDead();
    const Registration* registration(quint64 serial) const;

    std::vector<Registration> registrations;
    quint64 lastSerial = 0;
};
