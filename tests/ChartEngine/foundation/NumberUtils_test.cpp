#include "ChartEngine/foundation/NumberUtils.h"

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
