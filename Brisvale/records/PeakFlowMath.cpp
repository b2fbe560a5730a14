#include "Brisvale/records/PeakFlowMath.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace PeakFlowMath {

namespace {

constexpr double centimetresPerFoot = 30.48;

// The limits in whole percent of the best value: {yellow from, red below}.
QPair<int, int> percentLimits(ZonePlan plan)
{
    return plan == ZonePlan::eightyFifty ? QPair<int, int>{80, 50} : QPair<int, int>{80, 60};
}

int roundedShare(int percent, int bestValue)
{
    const qint64 scaled = static_cast<qint64>(percent) * bestValue;
    return static_cast<int>(scaled >= 0 ? (scaled + 50) / 100 : -((-scaled + 50) / 100));
}

struct DayRange {
    int lowest;
    int highest;
    int count;
};

}

std::optional<double> percentOfBest(int pef, int bestValue)
{
    if (bestValue <= 0)
        return std::nullopt;
    return 100.0 * pef / bestValue;
}

Variability diurnalVariability(const QList<Reading>& readings, int days)
{
    std::map<QDate, DayRange> ranges;
    for (const auto& [when, pef] : readings) {
        const auto [found, first] = ranges.try_emplace(when.toLocalTime().date(), DayRange{pef, pef, 1});
        if (first) {
            continue;
        }
        DayRange& range = found->second;
        range.lowest = std::min(range.lowest, pef);
        range.highest = std::max(range.highest, pef);
        ++range.count;
    }
    // The most recent days first; only a day with two readings and a positive mean takes a place.
    double sum = 0;
    Variability variability;
    for (auto range = ranges.crbegin(); range != ranges.crend() && variability.days < days; ++range) {
        const auto& [lowest, highest, count] = range->second;
        const double mean = (static_cast<double>(highest) + lowest) / 2.0;
        if (count < 2 || mean <= 0)
            continue;
        sum += (static_cast<double>(highest) - lowest) / mean * 100.0;
        ++variability.days;
    }
    if (variability.days > 0)
        variability.percent = sum / variability.days;
    return variability;
}

double centimetresFromFeet(double feet)
{
    return feet * centimetresPerFoot;
}

double feetFromCentimetres(double centimetres)
{
    return centimetres / centimetresPerFoot;
}

std::optional<double> predictedPef(bool male, double ageYears, double heightCm)
{
    if (!(ageYears >= 15 && ageYears <= 85) || !(heightCm >= predictionLowestHeightCm && heightCm <= predictionHighestHeightCm))
        return std::nullopt;
    if (male)
        return std::exp(0.544 * std::log(ageYears) - 0.0151 * ageYears - 74.7 / heightCm + 5.48);
    return std::exp(0.376 * std::log(ageYears) - 0.0120 * ageYears - 58.8 / heightCm + 5.63);
}

QPair<int, int> zoneLimits(ZonePlan plan, int bestValue)
{
    const auto [yellow, red] = percentLimits(plan);
    return {roundedShare(yellow, bestValue), roundedShare(red, bestValue)};
}

QPair<double, double> zoneFractions(ZonePlan plan)
{
    const auto [yellow, red] = percentLimits(plan);
    return {yellow / 100.0, red / 100.0};
}

Zone zoneOf(int pef, int bestValue, ZonePlan plan)
{
    const auto [yellow, red] = percentLimits(plan);
    const qint64 scaled = static_cast<qint64>(pef) * 100;
    if (scaled >= static_cast<qint64>(yellow) * bestValue)
        return Zone::green;
    if (scaled >= static_cast<qint64>(red) * bestValue)
        return Zone::yellow;
    return Zone::red;
}

ZoneCounts zoneCounts(const QList<int>& pefs, int bestValue, ZonePlan plan)
{
    ZoneCounts counts;
    for (const int pef : pefs) {
        switch (zoneOf(pef, bestValue, plan)) {
        case Zone::green:
            ++counts.green;
            break;
        case Zone::yellow:
            ++counts.yellow;
            break;
        case Zone::red:
            ++counts.red;
            break;
        }
    }
    return counts;
}

ZonePlan zonePlanFromStored(int stored)
{
    return stored == static_cast<int>(ZonePlan::eightyFifty) ? ZonePlan::eightyFifty : ZonePlan::eightySixty;
}

}
