#include "Brisvale/records/ReadingKey.h"

#include <bit>

QSet<ReadingKey> ReadingKey::keysOf(const QList<PFMPtr>& readings)
{
    QSet<ReadingKey> keys;
    keys.reserve(readings.size());
    for (const PFMPtr& stored : readings) {
        if (stored->measureDate) {
            keys.insert(ReadingKey{stored->fev1Value, stored->pefValue, stored->measureDate->seconds});
        }
    }
    return keys;
}

// Adding +0 turns -0 into +0 and leaves every other value as it is.
size_t qHash(const ReadingKey& key, size_t seed)
{
    return qHashMulti(seed, std::bit_cast<quint32>(key.fev1Value + 0.0f), key.pefValue,
                      std::bit_cast<quint64>(key.measureDate + 0.0));
}
