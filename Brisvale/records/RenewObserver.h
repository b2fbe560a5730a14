#pragma once

#include <QString>

// A page that the main window keeps informed while it is the visible page.
class RenewObserver {
public:
    virtual ~RenewObserver() = default;

    // The page is about to be left: settle unsaved edits.
    virtual void onPageSwitch() = 0;
    // The current user's data were renewed: reload. Both values come from the caller (whether the
    // receiving profile already was the current user, and the current e-mail).
    virtual void onDataRefresh(bool emailRenewStatus, const QString& email) = 0;
};
