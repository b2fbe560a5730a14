#pragma once

// A data page that shows the filtered readings.
class ConditionObserver {
public:
    virtual ~ConditionObserver() = default;

    // The date window or the time of day changed: reload.
    virtual void onConditionChange() = 0;
};
