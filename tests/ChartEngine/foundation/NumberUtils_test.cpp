#include "ChartEngine/foundation/NumberUtils.h"

#include <QtGlobal>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Charts;

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
}

TEST(NumberUtils, RoundsToOneSignificantDigitHalvesAwayFromZero)
{
    const std::pair<double, double> cases[]
        = {{0.0234, 0.02}, {0.25, 0.3},   {87, 90}, {-0.0456, -0.05},
           {950, 1000},    {-950, -1000}, {1, 1}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(value), rounded) << value;
    }
    EXPECT_EQ(roundedToOneSignificantDigit(0.0), 0.0);
    EXPECT_TRUE(std::isnan(roundedToOneSignificantDigit(notANumber)));
    EXPECT_EQ(roundedToOneSignificantDigit(-infinity), -infinity);
    // The smallest doubles would need a scale beyond the finite range.
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(roundedToOneSignificantDigit(smallest), smallest);
    EXPECT_NEAR(roundedToOneSignificantDigit(-2.6e-310), -3e-310, 1e-322);
}

TEST(NumberUtils, DecimalPlacesFollowTheRoundedMagnitude)
{
    const std::pair<double, int> cases[]
        = {{0.05, 4}, {0.5, 3},   {1, 2},    {10, 1},
           {100, 0},  {1000, -1}, {950, -1}, {std::numeric_limits<double>::denorm_min(), 326}};
    for (const auto& [value, places] : cases) {
        EXPECT_EQ(decimalPlaces(value), places) << value;
    }
    // No magnitude: 0, not-a-number, the infinities, one whose rounding overflows, a negative.
    for (double value :
         {0.0, notANumber, infinity, -infinity, std::numeric_limits<double>::max(), -0.05}) {
        EXPECT_EQ(decimalPlaces(value), 0) << value;
    }
}

// A computed double as an integer: truncated toward zero, held to the type's range, NaN as 0.
TEST(NumberUtils, CheckedIntegerTruncatesAndHoldsToTheRange)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int asInt;
        qint64 asInt64;
        quint32 asUInt32;
    };
    const Case cases[] = {
        {2.9, 2, 2, 2},
        {-2.9, -2, -2, 0},
        {std::nan(""), 0, 0, 0},
        {2147483647.5, 2147483647, 2147483647, 2147483647u},
        {2147483648.0, 2147483647, 2147483648LL, 2147483648u},
        {-2147483649.0, -2147483647 - 1, -2147483649LL, 0},
        {4294967296.0, 2147483647, 4294967296LL, 4294967295u},
        {9223372036854775808.0, 2147483647, std::numeric_limits<qint64>::max(), 4294967295u},
        {-1e300, -2147483647 - 1, std::numeric_limits<qint64>::min(), 0},
        {infinity, 2147483647, std::numeric_limits<qint64>::max(), 4294967295u},
        {-infinity, -2147483647 - 1, std::numeric_limits<qint64>::min(), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Charts::checkedInteger<int>(c.value), c.asInt) << c.value;
        EXPECT_EQ(Charts::checkedInteger<qint64>(c.value), c.asInt64) << c.value;
        EXPECT_EQ(Charts::checkedInteger<quint32>(c.value), c.asUInt32) << c.value;
    }
}
