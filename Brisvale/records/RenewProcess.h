#pragma once

#include "Brisvale/records/ObserverHub.h"
#include "Brisvale/records/RenewObserver.h"

#include <QString>

// Tells the visible page that it is about to be left or that the current user's data were
// renewed. The main window owns one for its whole life.
class RenewProcess : public ObserverHub<RenewObserver> {
public:
    using ObservationRenew = Entry;

    // Prints "切換頁 發送通知值", then calls onPageSwitch on every live observer.
    void broadcastPageSwitch();
    // Prints "更新Data畫面資料 發送通知值", then calls onDataRefresh with the same values on every
    // live observer.
    void broadcastDataRefresh(bool emailRenewStatus, const QString& email);
};
