#include "Brisvale/platform/AppClock.h"

#include "support/QtPrinters.h"

#include <QObject>
#include <QStringList>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <memory>

TEST(AppClock, AFixedMomentIsNowUntilReset)
{
    // The test main pins TZ=Europe/Berlin.
    const QDateTime moment(QDate(2024, 3, 15), QTime(14, 30, 5), Qt::UTC);
    AppClock::setNow(moment);
    EXPECT_EQ(AppClock::now(), moment);
    EXPECT_EQ(AppClock::now().timeSpec(), Qt::LocalTime);
    EXPECT_EQ(AppClock::now().time(), QTime(15, 30, 5));
    EXPECT_EQ(AppClock::now(), AppClock::now());

    for (const bool byReset : {true, false}) {
        AppClock::setNow(moment);
        if (byReset) {
            AppClock::reset();
        } else {
            AppClock::setNow(QDateTime());
        }
        const QDateTime before = QDateTime::currentDateTime();
        const QDateTime now = AppClock::now();
        const QDateTime after = QDateTime::currentDateTime();
        EXPECT_LE(before, now) << byReset;
        EXPECT_LE(now, after) << byReset;
    }
}

TEST(AppClock, DelaysOnAFixedClockEndWhenItIsAdvancedInTheOrderOfTheirTimes)
{
    const QDateTime start(QDate(2026, 12, 1), QTime(8, 0));
    AppClock::setNow(start);
    QObject receiver;
    auto gone = std::make_unique<QObject>();
    QStringList log;
    const auto note = [&log](const char* name) {
        return [&log, name] { log.append(QLatin1String(name) + AppClock::now().toString(QStringLiteral(" ss.zzz"))); };
    };
    AppClock::after(1000, &receiver, note("b"));
    AppClock::after(500, &receiver, [&] {
        log.append(QStringLiteral("a") + AppClock::now().toString(QStringLiteral(" ss.zzz")));
        AppClock::after(300, &receiver, note("a+300"));
        AppClock::after(900, &receiver, note("a+900"));
    });
    AppClock::after(1000, &receiver, note("c"));
    AppClock::after(200, gone.get(), note("gone"));
    gone.reset();

    AppClock::advance(999);
    EXPECT_EQ(log, (QStringList{"a 00.500", "a+300 00.800"}));
    EXPECT_EQ(AppClock::now(), start.addMSecs(999));
    AppClock::advance(1);
    EXPECT_EQ(log, (QStringList{"a 00.500", "a+300 00.800", "b 01.000", "c 01.000"}));

    // Returning to the system clock drops what still waits.
    AppClock::reset();
    AppClock::setNow(start);
    AppClock::advance(10'000);
    EXPECT_EQ(log.size(), 4);
    AppClock::reset();
}
