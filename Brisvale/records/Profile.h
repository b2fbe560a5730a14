#pragma once

#include "Brisvale/records/Timestamp.h"

#include <QString>
#include <memory>
#include <optional>

class StoreContext;

// The stored attributes of a user profile, with the store's defaults (0, false, absent).
struct ProfileAttributes {
    qint32 accountID_cloud = 0;            // account number carried through backups
    qint32 best_Value = 0;                 // best PEF in l/min
    bool best_Value_Type = false;          // BestValueType_DB dbId: false Measure, true Target
    std::optional<Timestamp> birthday;
    qint32 date_format = 0;                // DateFormat_DB dbId, 0 to 3
    std::optional<QString> email;          // the key by which a user is found
    bool gender = false;                   // Gender_DB dbId: false male, true female
    float height = 0.0f;                   // centimetres (KgCm) or decimal feet (FtIn)
    std::optional<QString> name;
    bool region = false;                   // Region_DB dbId: false Other, true USA
    bool time_format = false;              // TimeFormat_DB dbId: false 12-hour, true 24-hour
    bool unit_type = false;                // UnitType_DB dbId: false FtIn, true KgCm
    float weight = 0.0f;                   // kilograms (KgCm) or pounds (FtIn)
    qint32 zone_Plan = 0;                  // PeakFlowMath::ZonePlan: 0 80 %/60 %, 1 80 %/50 %
};

// One user of the meter. Profiles live in a StoreContext, which hands out one object per stored
// row: change the attributes directly, then save the context. The profile's readings (its
// pfmInfo) are read through StoreContext::pfmInfo.
class Profile : public ProfileAttributes {
public:
    // The stable identifier of the profile's row; 0 until the profile is first saved.
    qint64 objectID() const { return rowId; }

private:
    friend class StoreContext;
    qint64 rowId = 0;
    ProfileAttributes saved;  // as the store holds them
};

using ProfilePtr = std::shared_ptr<Profile>;
