#pragma once

#include "Brisvale/records/ConditionObserver.h"
#include "Brisvale/records/ConditionReturnInfo.h"
#include "Brisvale/records/ObserverHub.h"

#include <optional>

// Tells the visible data page that the reading filter changed. The Data page owns one for its
// child pages.
class ConditionProcess : public ObserverHub<ConditionObserver> {
public:
    using Observation = Entry;

    // Prints "發送通知值", then calls onConditionChange on every live observer.
    void broadcastCondition();

    // The current user (the profile whose e-mail equals the stored "email") with the readings
    // from the day of the stored "from" at the start time of the stored "time" choice to the day
    // of the stored "to" at its end time (both included, local time), whose local hour lies in
    // the choice's hours; newest first, the later inserted first among equal dates. Read afresh
    // from the store on every call. Prints the window.
    // No result when there is no stored e-mail, no profile with it, no stored "from" or "to",
    // or a "time" that names no choice. A store that fails to answer stops the program with
    // "Failed to fetch data: " and the error.
    static std::optional<ConditionReturnInfo> queryReadings();

    // The same user's readings on the days of the stored window at every hour of those days,
    // whatever time of day is stored; newest first. No result in the same cases; prints nothing.
    static std::optional<ConditionReturnInfo> queryWholeDays();

private:
    enum class Hours { chosen, every };
    static std::optional<ConditionReturnInfo> query(Hours hours);
};
