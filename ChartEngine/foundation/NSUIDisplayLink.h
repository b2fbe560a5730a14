#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace Charts {

// Paces animations: once started, calls an action on the GUI thread about once per screen
// refresh (every 16 ms) for as long as its target lives. The target is held weakly: once it is
// gone the link keeps ticking without effect until it is stopped or destroyed. Animations take
// their phases from MediaClock, so the timer's whole-millisecond interval changes no result.
//
// Must be made and used on the GUI thread. The action may destroy the link itself.
class NSUIDisplayLink {
public:
    using Action = std::function<void()>;

    // Calls `action` while `target` exists.
    NSUIDisplayLink(QObject* target, Action action);

    // Calls `target->selector()` while `target` exists.
    template <typename Target>
    NSUIDisplayLink(Target* target, void (Target::*selector)())
        : NSUIDisplayLink(static_cast<QObject*>(target), [target, selector] { (target->*selector)(); })
    {
    }

    ~NSUIDisplayLink();

    NSUIDisplayLink(const NSUIDisplayLink&) = delete;
    NSUIDisplayLink& operator=(const NSUIDisplayLink&) = delete;

    void start();
    void stop();

    // The MediaClock time of the last tick; 0 before the first.
    double timestamp() const { return m_timestamp; }

    // The refresh interval in milliseconds.
    static constexpr int intervalMilliseconds = 16;

private:
    void tick();

    QTimer m_timer;
    double m_timestamp = 0;
    QPointer<QObject> m_target;
    Action m_action;
};

}
