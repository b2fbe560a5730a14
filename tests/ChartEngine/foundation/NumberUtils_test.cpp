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
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(0.0234), 0.02);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(0.25), 0.3);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(87), 90);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(-0.0456), -0.05);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(950), 1000);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(-950), -1000);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(1), 1);
    EXPECT_DOUBLE_EQ(roundedToOneSignificantDigit(10), 10);
}

TEST(NumberUtils, RoundingKeepsZeroNanAndInfinities)
{
    EXPECT_EQ(roundedToOneSignificantDigit(0.0), 0.0);
    EXPECT_TRUE(std::signbit(roundedToOneSignificantDigit(-0.0)));
    EXPECT_TRUE(std::isnan(roundedToOneSignificantDigit(notANumber)));
    EXPECT_EQ(roundedToOneSignificantDigit(infinity), infinity);
    EXPECT_EQ(roundedToOneSignificantDigit(-infinity), -infinity);
}

TEST(NumberUtils, RoundingTinyValuesStaysFinite)
{
    // The smallest doubles would need a scale beyond the finite range.
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(roundedToOneSignificantDigit(smallest), smallest);
    EXPECT_NEAR(roundedToOneSignificantDigit(2.6e-310), 3e-310, 1e-322);
    EXPECT_NEAR(roundedToOneSignificantDigit(-2.6e-310), -3e-310, 1e-322);
}

TEST(NumberUtils, DecimalPlacesFollowTheRoundedMagnitude)
{
    EXPECT_EQ(decimalPlaces(0.05), 4);
    EXPECT_EQ(decimalPlaces(0.5), 3);
    EXPECT_EQ(decimalPlaces(1), 2);
    EXPECT_EQ(decimalPlaces(10), 1);
    EXPECT_EQ(decimalPlaces(100), 0);
    EXPECT_EQ(decimalPlaces(1000), -1);
    EXPECT_EQ(decimalPlaces(950), -1); // rounds to 1000 first
    EXPECT_EQ(decimalPlaces(std::numeric_limits<double>::denorm_min()), 326);
}

TEST(NumberUtils, DecimalPlacesOfNoMagnitudeIsZero)
{
    EXPECT_EQ(decimalPlaces(0.0), 0);
    EXPECT_EQ(decimalPlaces(notANumber), 0);
    EXPECT_EQ(decimalPlaces(infinity), 0);
    EXPECT_EQ(decimalPlaces(-infinity), 0);
    // Rounding the largest doubles leaves the finite range.
    EXPECT_EQ(decimalPlaces(std::numeric_limits<double>::max()), 0);
    // A negative value is not a magnitude.
    EXPECT_EQ(decimalPlaces(-0.05), 0);
}
