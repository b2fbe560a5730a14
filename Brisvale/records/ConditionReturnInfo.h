#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"

#include <QList>

// What every data page and report shows: the current user and that user's readings inside the
// stored date window and time of day, newest first.
struct ConditionReturnInfo {
    ProfilePtr profile;
    QList<PFMPtr> pfm;
};
