#include "Brisvale/shell/MeterReadingStore.h"

#include "Brisvale/records/ReadingKey.h"

namespace MeterReadingStore {

StoreResult<int> store(StoreContext& context, const ProfilePtr& profile, const QList<MeterReading>& readings,
                       std::optional<qint32> bestValue)
{
    const StoreResult<QList<PFMPtr>> linked = context.pfmInfo(profile);
    if (!linked) {
        return linked.error();
    }
    // The keys of what is linked so far: the stored readings, then each one inserted.
    QSet<ReadingKey> known = ReadingKey::keysOf(linked.value());
    int inserted = 0;
    for (const MeterReading& reading : readings) {
        const Timestamp date = Timestamp::fromDateTime(reading.measureDate);
        const ReadingKey key{reading.fev1, reading.pef, date.seconds};
        if (known.contains(key)) {
            continue;
        }
        PFMPtr fresh = context.insertReading(profile);
        fresh->pefValue = reading.pef;
        fresh->fev1Value = reading.fev1;
        fresh->measureDate = date;
        known.insert(key);
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
