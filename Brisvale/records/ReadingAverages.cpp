#include "Brisvale/records/ReadingAverages.h"

namespace ReadingAverages {

qint64 pefAverage(const QList<PFMPtr>& readings)
{
    qint64 sum = 0;
    for (const PFMPtr& reading : readings) {
        sum += reading->pefValue;
    }
    if (sum == 0) {
        return 0;
    }
    // Integer division truncates toward zero; a remainder of half the count or more moves the
    // quotient one further from zero. The remainder is below the count, so nothing overflows.
    const auto count = static_cast<qint64>(readings.size());
    const qint64 quotient = sum / count;
    const qint64 remainder = sum % count;
    const qint64 away = sum < 0 ? -1 : 1;
    return remainder * away * 2 >= count ? quotient + away : quotient;
}

}
