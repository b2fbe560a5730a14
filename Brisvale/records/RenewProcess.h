#pragma once

#include "Brisvale/records/ObserverHub.h"
#include "Brisvale/records/Profile.h"
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

    // Makes the profile the current user. Stores, in this order: "email" (an absent e-mail
    // removes the key), "limitFrom" and "limitTo" (the dates of the profile's earliest and
    // latest readings; with no readings, the current time, read once for each), "from" and "to"
    // (the same dates; with keepRange, the stored "from" and "to" stay, each one that is
    // present), then "date" := "ALL" and "time" := "All day", whatever keepRange says.
    // A store that fails to answer stops the program with "Failed to fetch data: " and the error.
    static void renewDateLimits(bool keepRange, const ProfilePtr& profile);
};
