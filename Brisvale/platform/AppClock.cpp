#include "Brisvale/platform/AppClock.h"

namespace {
QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}
}

namespace AppClock {

QDateTime now()
{
    const QDateTime& fixed = fixedMoment();
    return fixed.isValid() ? fixed.toLocalTime() : QDateTime::currentDateTime();
}

void setNow(const QDateTime& moment)
{
    fixedMoment() = moment;
}

void reset()
{
    fixedMoment() = QDateTime();
}

}
