#pragma once

#include "Brisvale/records/ConditionObserver.h"
#include "Brisvale/records/ObserverHub.h"

// Tells the visible data page that the reading filter changed. The Data page owns one for its
// child pages.
class ConditionProcess : public ObserverHub<ConditionObserver> {
public:
    using Observation = Entry;

    // Prints "發送通知值", then calls onConditionChange on every live observer.
    void broadcastCondition();
};
