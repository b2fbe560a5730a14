#pragma once

#include "Brisvale/records/MeterReplyReader.h"
#include "Brisvale/records/StoreContext.h"

#include <QList>
#include <optional>

// Stores the readings of a memory download in a profile, skipping those it already holds.
namespace MeterReadingStore {

// Inserts every reading that no reading linked to the profile equals (same PEF, FEV1 as exact
// floats and date: ReadingKey), tested in order against the stored ones and those inserted
// before it (so two equal readings of one download give one), sets the best value when one is
// given, and saves once. The number of readings inserted, or the store's error: a failed save
// leaves nothing pending (the inserted readings and the best value are discarded), so a download
// is stored whole or not at all.
StoreResult<int> store(StoreContext& context, const ProfilePtr& profile, const QList<MeterReading>& readings,
                       std::optional<qint32> bestValue);

}
