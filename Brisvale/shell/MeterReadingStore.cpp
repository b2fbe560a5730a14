#include "Brisvale/shell/MeterReadingStore.h"

#include <algorithm>

namespace MeterReadingStore {

bool isSameReading(const PFM& stored, qint32 pef, float fev1, const std::optional<Timestamp>& date)
{
    return stored.fev1Value == fev1 && stored.pefValue == pef && stored.measureDate == date;
}

StoreResult<int> store(StoreContext& context, const ProfilePtr& profile, const QList<MeterReading>& readings,
                       std::optional<qint32> bestValue)
{
    StoreResult<QList<PFMPtr>> linked = context.pfmInfo(profile);
    if (!linked) {
        return linked.error();
    }
    QList<PFMPtr> known = std::move(linked.value());
    int inserted = 0;
    for (const MeterReading& reading : readings) {
        const std::optional<Timestamp> date = Timestamp::fromDateTime(reading.measureDate);
        const bool duplicate = std::any_of(known.cbegin(), known.cend(), [&](const PFMPtr& stored) {
            return isSameReading(*stored, reading.pef, reading.fev1, date);
        });
        if (duplicate) {
            continue;
        }
        PFMPtr fresh = context.insertReading(profile);
        fresh->pefValue = reading.pef;
        fresh->fev1Value = reading.fev1;
        fresh->measureDate = date;
        known.append(fresh);
        ++inserted;
    }
    if (bestValue) {
        profile->best_Value = *bestValue;
    }
    const StoreStatus saved = context.save();
    if (!saved) {
        return saved.error();
    }
    return inserted;
}

}
