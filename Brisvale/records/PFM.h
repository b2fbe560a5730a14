#pragma once

#include "Brisvale/records/Profile.h"
#include "Brisvale/records/Timestamp.h"

#include <QString>
#include <memory>
#include <optional>

// The stored attributes of a reading.
struct PFMAttributes {
    qint32 pefValue = 0;                   // PEF in l/min
    float fev1Value = 0.0f;                // FEV1 in litres
    std::optional<Timestamp> measureDate;  // required by the store when the reading is saved
    std::optional<QString> note;
};

// One reading of the meter, owned by one profile. Readings are made by
// StoreContext::insertReading, which links them to their owner; the owner never changes.
class PFM : public PFMAttributes {
public:
    // The owning profile (the inverse of the owner's pfmInfo).
    const ProfilePtr& accountID() const { return owner; }

    // The stable identifier of the reading's row (never reused); 0 until the reading is first
    // saved. StoreContext::existingReading finds the reading again by it.
    qint64 objectID() const { return rowId; }

private:
    friend class StoreContext;
    explicit PFM(ProfilePtr profile) : owner(std::move(profile)) {}
    ProfilePtr owner;
    qint64 rowId = 0;
    PFMAttributes saved;  // as the store holds them
};

using PFMPtr = std::shared_ptr<PFM>;
