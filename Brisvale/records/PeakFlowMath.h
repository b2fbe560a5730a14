#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>

#include <optional>

// The clinical arithmetic of peak flow, in one place and free of widgets: readings as a share of
// the personal best, the within-day (diurnal) variability, the predicted PEF and the zone limits.
namespace PeakFlowMath {

// A PEF reading as the arithmetic sees it: when it was taken, and its value in l/min.
using Reading = QPair<QDateTime, int>;

// The action plan a profile's zones follow. The default is this application's own bands.
enum class ZonePlan {
    eightySixty = 0, // green from 80 %, yellow from 60 % of the best value
    eightyFifty = 1, // US action plans: green from 80 %, yellow from 50 %
};

// The traffic-light zone of one reading.
enum class Zone { green, yellow, red };

// 100 · pef / bestValue; no value when the best value is 0 or less.
std::optional<double> percentOfBest(int pef, int bestValue);

// The within-day (diurnal) variability and the number of local days it was taken over.
struct Variability {
    std::optional<double> percent;
    int days = 0;
};

// The mean of (highest − lowest) / mean(highest, lowest) · 100 over the most recent local days,
// at most `days` of them, that hold at least two readings with a positive mean; a day with one
// reading takes no place among them. No value, over 0 days, when no day holds two.
Variability diurnalVariability(const QList<Reading>& readings, int days);

// A height in decimal feet as centimetres (1 ft = 30.48 cm), and back.
double centimetresFromFeet(double feet);
double feetFromCentimetres(double centimetres);

// The heights the predicted PEF is defined for, in centimetres.
constexpr double predictionLowestHeightCm = 100.0;
constexpr double predictionHighestHeightCm = 250.0;

// Nunn & Gregg (1989), in l/min; defined for ages 15 to 85 years and heights 100 to 250 cm.
std::optional<double> predictedPef(bool male, double ageYears, double heightCm);

// The yellow and the red limit of a plan, in whole l/min (halves rounded up).
QPair<int, int> zoneLimits(ZonePlan plan, int bestValue);

// The fractions of the best value where the yellow and the red zones begin, as the chart's
// bands are drawn (unrounded).
QPair<double, double> zoneFractions(ZonePlan plan);

// The zone a reading falls in: green at or above the yellow limit's fraction of the best value,
// yellow at or above the red one's, red below. Exact, in whole numbers.
Zone zoneOf(int pef, int bestValue, ZonePlan plan);

// How many readings fell in each zone.
struct ZoneCounts {
    int green = 0;
    int yellow = 0;
    int red = 0;
    bool operator==(const ZoneCounts&) const = default;
};

// The zones of the PEF values, counted as zoneOf names them.
ZoneCounts zoneCounts(const QList<int>& pefs, int bestValue, ZonePlan plan);

// A stored plan number back to a plan; unknown numbers give the default.
ZonePlan zonePlanFromStored(int stored);

}
