#include "Brisvale/records/PeakFlowMath.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// The local days below are Europe/Berlin days (CET, UTC+1, until 29 March 2026), as CTest pins.

namespace {

using PeakFlowMath::Zone;
using PeakFlowMath::ZonePlan;
using Readings = QList<PeakFlowMath::Reading>;

// A day of March 2026, and a local or a UTC moment of it.
QDate march(int day)
{
    return QDate(2026, 3, day);
}

QDateTime local(int day, int hour, int minute = 0)
{
    return QDateTime(march(day), QTime(hour, minute));
}

QDateTime utc(int day, int hour, int minute = 0)
{
    return QDateTime(march(day), QTime(hour, minute), Qt::UTC);
}

void expectValue(const std::optional<double>& actual, const std::optional<double>& expected, double tolerance,
                 const char* name)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << name;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, tolerance) << name;
    }
}

}

TEST(PeakFlowMath, PercentOfBestIsAShareOfAPositiveBestValue)
{
    const struct { int pef; int best; std::optional<double> percent; } cases[] = {
        {400, 500, 80.0}, {500, 400, 125.0}, {0, 400, 0.0}, {321, 401, 80.049875311721},
        {400, 0, std::nullopt}, {400, std::numeric_limits<int>::min(), std::nullopt},
    };
    for (const auto& test : cases) {
        expectValue(PeakFlowMath::percentOfBest(test.pef, test.best), test.percent, 1e-9,
                    QStringLiteral("%1 of %2").arg(test.pef).arg(test.best).toUtf8().constData());
    }
}

TEST(PeakFlowMath, DiurnalVariabilityIsTheMeanOfTheMostRecentLocalDaysWithTwoReadings)
{
    const int all = 14;
    const struct {
        const char* name;
        Readings readings;
        int days; // the most it may take
        std::optional<double> variability;
        int daysTaken;
    } cases[] = {
        {"one day", {{local(2, 8), 400}, {local(2, 20), 480}}, all, 18.1818181818, 1},
        {"two days", {{local(2, 8), 400}, {local(2, 20), 480}, {local(3, 8), 430}, {local(3, 20), 450}}, all,
         11.3636363636, 2},
        {"highest and lowest of three", {{local(5, 7), 350}, {local(5, 12), 300}, {local(5, 21), 400}}, all,
         28.5714285714, 1},
        {"a day with one reading is left out", {{local(6, 8), 500}, {local(6, 20), 450}, {local(7, 8), 200}}, all,
         10.5263157895, 1},
        // 9 March varies by 9.5 %, 7 March by 50 %, 6 March by 18.2 %; 8 March holds one reading.
        {"a day with one reading takes no place",
         {{local(9, 8), 400}, {local(9, 20), 440}, {local(8, 8), 500}, {local(7, 8), 300}, {local(7, 20), 500},
          {local(6, 8), 400}, {local(6, 20), 480}},
         2, 29.7619047619, 2},
        {"the most recent days, in any order",
         {{local(6, 8), 400}, {local(6, 20), 480}, {local(9, 20), 440}, {local(7, 20), 500}, {local(9, 8), 400},
          {local(7, 8), 300}},
         1, 9.5238095238, 1},
        {"equal readings", {{local(8, 8), 400}, {local(8, 20), 400}}, all, 0.0, 1},
        {"no day with two readings", {{local(2, 8), 400}, {local(3, 8), 480}}, all, std::nullopt, 0},
        {"no readings", {}, all, std::nullopt, 0},
        // 23:30 UTC on 1 March and 21:00 UTC on 2 March are both on the 2nd in Berlin.
        {"two UTC days, one local day", {{utc(1, 23, 30), 400}, {utc(2, 21, 0), 480}}, all, 18.1818181818, 1},
        // Berlin skips from 02:00 to 03:00 on 29 March: 00:30 UTC is 01:30, 01:30 UTC is 03:30.
        {"the day the clocks go forward", {{utc(29, 0, 30), 400}, {utc(29, 1, 30), 480}}, all, 18.1818181818, 1},
        {"two readings of zero take no place", {{local(2, 8), 0}, {local(2, 20), 0}, {local(1, 8), 400},
         {local(1, 20), 480}}, 1, 18.1818181818, 1},
    };
    for (const auto& test : cases) {
        const PeakFlowMath::Variability variability = PeakFlowMath::diurnalVariability(test.readings, test.days);
        expectValue(variability.percent, test.variability, 1e-9, test.name);
        EXPECT_EQ(variability.days, test.daysTaken) << test.name;
    }
}

TEST(PeakFlowMath, PredictedPefFollowsNunnAndGreggWithinItsAgesAndHeights)
{
    const struct { bool male; double age; double height; std::optional<double> pef; } cases[] = {
        {true, 40, 175, 636.441993},         {false, 40, 165, 483.308438},
        {true, 70, 170, 541.731043},         {false, 25, 160, 479.525614},
        {true, 15, 100, 395.313574},         {true, 85, 250, 552.526990},
        {false, 15, 250, 509.294725},        {false, 85, 100, 296.615555},
        {false, 14.9, 175, std::nullopt},    {true, 85.1, 175, std::nullopt},
        {true, 40, 99.9, std::nullopt},      {false, 40, 250.1, std::nullopt},
        {true, std::nan(""), 175, std::nullopt}, {false, 40, std::nan(""), std::nullopt},
        {true, 40, std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& test : cases) {
        const QString name =
            QStringLiteral("%1 %2 years %3 cm").arg(test.male ? "man" : "woman").arg(test.age).arg(test.height);
        expectValue(PeakFlowMath::predictedPef(test.male, test.age, test.height), test.pef, 1e-5, qPrintable(name));
    }
}

TEST(PeakFlowMath, ZoneLimitsAreRoundedToWholeLitresWithHalvesUp)
{
    const struct { ZonePlan plan; int best; QPair<int, int> limits; } cases[] = {
        {ZonePlan::eightySixty, 400, {320, 240}},
        {ZonePlan::eightyFifty, 400, {320, 200}},
        {ZonePlan::eightySixty, 403, {322, 242}},  // 322.4 and 241.8
        {ZonePlan::eightyFifty, 401, {321, 201}},  // 320.8 and 200.5: 200 lies below the limit
        {ZonePlan::eightyFifty, 403, {322, 202}},  // 201.5
        {ZonePlan::eightySixty, 0, {0, 0}},
        {ZonePlan::eightyFifty, -401, {-321, -201}},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(PeakFlowMath::zoneLimits(test.plan, test.best), test.limits)
            << static_cast<int>(test.plan) << " " << test.best;
    }
}

TEST(PeakFlowMath, ZonesBeginAtTheExactShareOfTheBestValue)
{
    const struct { ZonePlan plan; int pef; int best; Zone zone; } cases[] = {
        {ZonePlan::eightySixty, 320, 400, Zone::green},  {ZonePlan::eightySixty, 319, 400, Zone::yellow},
        {ZonePlan::eightySixty, 240, 400, Zone::yellow}, {ZonePlan::eightySixty, 239, 400, Zone::red},
        {ZonePlan::eightyFifty, 239, 400, Zone::yellow}, {ZonePlan::eightyFifty, 200, 400, Zone::yellow},
        {ZonePlan::eightyFifty, 199, 400, Zone::red},    {ZonePlan::eightySixty, 0, 400, Zone::red},
        // The limits of 401 fall between whole numbers: 320.8, 240.6 and 200.5.
        {ZonePlan::eightySixty, 321, 401, Zone::green},  {ZonePlan::eightySixty, 320, 401, Zone::yellow},
        {ZonePlan::eightySixty, 241, 401, Zone::yellow}, {ZonePlan::eightySixty, 240, 401, Zone::red},
        {ZonePlan::eightyFifty, 201, 401, Zone::yellow}, {ZonePlan::eightyFifty, 200, 401, Zone::red},
        {ZonePlan::eightyFifty, std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), Zone::green},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(PeakFlowMath::zoneOf(test.pef, test.best, test.plan), test.zone)
            << static_cast<int>(test.plan) << " " << test.pef << " of " << test.best;
    }
}

TEST(PeakFlowMath, AStoredPlanNumberThatNamesNoPlanReadsAsTheDefault)
{
    const struct { int stored; ZonePlan plan; } cases[] = {
        {0, ZonePlan::eightySixty}, {1, ZonePlan::eightyFifty}, {2, ZonePlan::eightySixty}, {-1, ZonePlan::eightySixty},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(PeakFlowMath::zonePlanFromStored(test.stored), test.plan) << test.stored;
    }
}

TEST(PeakFlowMath, AHeightConvertsBetweenDecimalFeetAndCentimetresBothWays)
{
    const struct { double feet; double centimetres; } cases[] = {{0, 0}, {1, 30.48}, {5.5, 167.64}, {6.25, 190.5}};
    for (const auto& test : cases) {
        EXPECT_DOUBLE_EQ(PeakFlowMath::centimetresFromFeet(test.feet), test.centimetres) << test.feet;
        EXPECT_DOUBLE_EQ(PeakFlowMath::feetFromCentimetres(test.centimetres), test.feet) << test.centimetres;
    }
}
