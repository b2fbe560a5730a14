#include "Brisvale/records/ReadingRange.h"

namespace ReadingRange {

bool holdsPef(qint64 pef)
{
    return pef >= lowestPef && pef <= highestPef;
}

bool holdsFev1(float fev1)
{
    return fev1 > 0.0f && fev1 <= highestFev1;
}

bool holdsDate(const QDateTime& moment)
{
    if (!moment.isValid()) {
        return false;
    }
    const int year = moment.toLocalTime().date().year();
    return year >= firstYear && year <= lastYear;
}

bool holdsDate(const Timestamp& moment)
{
    return holdsDate(moment.toDateTime());
}

}
