#pragma once

#include "Brisvale/records/MeterReplyReader.h"
#include "Brisvale/records/StoreContext.h"

#include <QList>
#include <optional>

// Stores the readings of a memory download in a profile, skipping those it already holds.
namespace MeterReadingStore {

// The duplicate test: a stored reading equals a downloaded one when PEF, FEV1 (exact float
// equality) and date are all equal (two missing dates are equal, one missing is not).
bool isSameReading(const PFM& stored, qint32 pef, float fev1, const std::optional<Timestamp>& date);

// Inserts every reading that no reading linked to the profile equals, tested in order against
// the stored ones and those inserted before it (so two equal readings of one download give one),
// sets the best value when one is given, and saves once. The number of readings inserted, or the
// store's error: a failed save leaves nothing pending (the inserted readings and the best value
// are discarded), so a download is stored whole or not at all.
StoreResult<int> store(StoreContext& context, const ProfilePtr& profile, const QList<MeterReading>& readings,
                       std::optional<qint32> bestValue);

}
