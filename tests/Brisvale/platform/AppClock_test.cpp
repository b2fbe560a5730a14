#include "Brisvale/platform/AppClock.h"

#include "support/QtPrinters.h"

#include <QTimeZone>
#include <gtest/gtest.h>

TEST(AppClock, AFixedMomentIsNowUntilReset)
{
    // The test main pins TZ=Europe/Berlin.
    const QDateTime moment(QDate(2024, 3, 15), QTime(14, 30, 5), Qt::UTC);
    AppClock::setNow(moment);
    EXPECT_EQ(AppClock::now(), moment);
    EXPECT_EQ(AppClock::now().timeSpec(), Qt::LocalTime);
    EXPECT_EQ(AppClock::now().time(), QTime(15, 30, 5));
    EXPECT_EQ(AppClock::now(), AppClock::now());

    AppClock::reset();
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = AppClock::now();
    EXPECT_LE(before.msecsTo(now), 5000);
    EXPECT_GE(before.msecsTo(now), 0);
}

TEST(AppClock, AnInvalidMomentReturnsToTheSystemClock)
{
    AppClock::setNow(QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC));
    AppClock::setNow(QDateTime());
    EXPECT_LE(std::abs(QDateTime::currentDateTime().msecsTo(AppClock::now())), 5000);
}
