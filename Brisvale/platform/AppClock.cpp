#include "Brisvale/platform/AppClock.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <list>
#include <optional>

namespace {

QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}

// An action waiting for the fixed clock.
struct Delayed {
    QDateTime due;
    QPointer<QObject> receiver;
    std::function<void()> action;
};

std::list<Delayed>& waiting()
{
    static std::list<Delayed> actions;
    return actions;
}

// The earliest action due at or before the moment; the list is kept in the order of due times.
std::optional<Delayed> takeDue(const QDateTime& until)
{
    std::list<Delayed>& actions = waiting();
    if (actions.empty() || actions.front().due > until) {
        return std::nullopt;
    }
    Delayed first = std::move(actions.front());
    actions.pop_front();
    return first;
}

}

namespace AppClock {

QDateTime now()
{
    const QDateTime& fixed = fixedMoment();
    return fixed.isValid() ? fixed.toLocalTime() : QDateTime::currentDateTime();
}

void setNow(const QDateTime& moment)
{
    fixedMoment() = moment;
    if (!moment.isValid()) {
        waiting().clear();
    }
}

void reset()
{
    setNow(QDateTime());
}

void after(int milliseconds, QObject* receiver, std::function<void()> action)
{
    if (!fixedMoment().isValid()) {
        QTimer::singleShot(milliseconds, receiver, std::move(action));
        return;
    }
    const QDateTime due = fixedMoment().addMSecs(milliseconds);
    std::list<Delayed>& actions = waiting();
    const auto later = std::find_if(actions.begin(), actions.end(),
                                    [&due](const Delayed& other) { return other.due > due; });
    actions.insert(later, Delayed{due, receiver, std::move(action)});
}

void advance(int milliseconds)
{
    if (!fixedMoment().isValid()) {
        return;
    }
    const QDateTime until = fixedMoment().addMSecs(milliseconds);
    while (std::optional<Delayed> next = takeDue(until)) {
        fixedMoment() = next->due;
        if (next->receiver) {
            next->action();
        }
        if (!fixedMoment().isValid()) {
            return; // an action returned to the system clock
        }
    }
    fixedMoment() = until;
}

}
