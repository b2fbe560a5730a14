#pragma once

#include "Brisvale/records/DataElementObserver.h"
#include "Brisvale/records/ObserverHub.h"

// Tells the Data page that the meter was connected or disconnected. The main window owns one.
class DataElementProcess : public ObserverHub<DataElementObserver> {
public:
    using ObservationDataElement = Entry;

    // Prints "更新Data畫面元件 發送通知值", then calls onDataElementChange with the flag on every
    // live observer.
    void broadcastDataElement(bool connected);
};
