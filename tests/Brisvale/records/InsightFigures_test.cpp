#include "Brisvale/records/InsightFigures.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// The local days below are Europe/Berlin days, as CTest pins.

namespace {

using PeakFlowMath::ZoneCounts;
using PeakFlowMath::ZonePlan;
using Readings = QList<PeakFlowMath::Reading>;

constexpr int highest = 900;

PeakFlowMath::Reading at(int day, int hour, int pef)
{
    return {QDateTime(QDate(2026, 3, day), QTime(hour, 0)), pef};
}

// The figures as text, so that one comparison shows every difference.
QString shown(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'f', 4) : QStringLiteral("none");
}

QString shown(const InsightFigures& figures)
{
    const auto& zones = figures.zoneCounts;
    return QStringLiteral("%1 taken, %2 left out; latest %3, average %4; zones %5; variability %6 over %7 days")
        .arg(figures.withinRange)
        .arg(figures.leftOut)
        .arg(shown(figures.latestPercent), shown(figures.averagePercent),
             zones ? QStringLiteral("%1/%2/%3").arg(zones->green).arg(zones->yellow).arg(zones->red)
                   : QStringLiteral("none"),
             shown(figures.variability.percent))
        .arg(figures.variability.days);
}

}

// The Overview's Insight card shows a reading above the range left out of every figure among
// others; here are the edges.
TEST(InsightFigures, ReadingsAboveTheMetersRangeAreLeftOutAndCountedAndTheRestFillTheZones)
{
    // 2, 3 and 4 March, mornings and evenings, newest first; 3 March's evening reads 950.
    const Readings threeDays{at(4, 20, 500), at(4, 8, 470), at(3, 20, 950),
                             at(3, 8, 460),  at(2, 20, 480), at(2, 8, 450)};
    const struct {
        const char* name;
        Readings window;
        Readings wholeDays;
        int best;
        ZonePlan plan;
        QString figures;
    } cases[] = {
        {"900 is within the range, 901 above it", {at(5, 20, 901), at(5, 8, 900)}, {at(5, 20, 901), at(5, 8, 900)},
         500, ZonePlan::eightySixty,
         "1 taken, 1 left out; latest 180.0000, average 180.0000; zones 1/0/0; variability none over 0 days"},
        {"only readings above the range", {at(5, 20, 999), at(5, 8, 950)}, {at(5, 20, 999), at(5, 8, 950)}, 500,
         ZonePlan::eightySixty,
         "0 taken, 2 left out; latest none, average none; zones none; variability none over 0 days"},
        // Green from 400, yellow from 250 under 80/50.
        {"zones of 80/50", {at(7, 20, 400), at(7, 14, 399), at(7, 8, 300), at(6, 20, 299), at(6, 8, 250),
                            at(6, 7, 249)}, {}, 500, ZonePlan::eightyFifty,
         "6 taken, 0 left out; latest 80.0000, average 63.2333; zones 1/4/1; variability none over 0 days"},
        {"no best value", threeDays, {}, 0, ZonePlan::eightySixty,
         "5 taken, 1 left out; latest none, average none; zones none; variability none over 0 days"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(shown(InsightFigures::of(test.window, test.wholeDays, test.best, test.plan, highest)), test.figures)
            << test.name;
    }
}
