#pragma once

#include <QLatin1String>

// The keys of the meter's reply dictionaries, spelt exactly as the meter sends them.
namespace TavrendelPFMKey {

// Time read: the meter's clock in the computer's time zone, each an int.
inline constexpr QLatin1String Year{"year"};
inline constexpr QLatin1String Month{"month"};
inline constexpr QLatin1String Day{"day"};
inline constexpr QLatin1String Hour{"hour"};
inline constexpr QLatin1String Minute{"minute"};
inline constexpr QLatin1String Second{"second"};

// Memory read: the number of readings (int) and the readings, a list of maps each holding "PEF"
// (int, l/min), "FEV1" (float, litres) and "year" to "minute" (ints; readings keep no seconds).
inline constexpr QLatin1String HistoryMeasuremeNumber{"historyMeasuremeNumber"};
inline constexpr QLatin1String MData{"MData"};
inline constexpr QLatin1String Pef{"PEF"};
inline constexpr QLatin1String Fev1{"FEV1"};

// Best-value read: the value the meter holds (int, l/min).
inline constexpr QLatin1String BestValue{"bestValue"};

}
