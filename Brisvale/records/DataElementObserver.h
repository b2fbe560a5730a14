#pragma once

// A page that follows the meter's connection.
class DataElementObserver {
public:
    virtual ~DataElementObserver() = default;

    // True when the meter was connected, false when it was disconnected.
    virtual void onDataElementChange(bool connected) = 0;
};
