#pragma once

#include "Brisvale/records/Profile.h"

// Receives the profile a user sheet hands back (a new profile, or one picked from a list).
// With renew, the receiver makes it the current user with fresh date limits and filters.
class UserList_ReturnDelegate {
public:
    virtual ~UserList_ReturnDelegate() = default;

    virtual void userDidSelect(const ProfilePtr& profile, bool renew) = 0;
};
