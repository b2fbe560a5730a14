#include "ChartEngine/foundation/ChartColorTemplates.h"
#include "ChartEngine/foundation/TextScanner.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;

namespace {

// Colours hold 16 bits a channel: compare within one step.
constexpr double step = 1.0 / 65535.0;

void expectColor(const QColor& color, double red, double green, double blue, double alpha)
{
    SCOPED_TRACE(testing::PrintToString(color));
    EXPECT_NEAR(color.redF(), red, step);
    EXPECT_NEAR(color.greenF(), green, step);
    EXPECT_NEAR(color.blueF(), blue, step);
    EXPECT_NEAR(color.alphaF(), alpha, step);
}

}

TEST(ColorTemplates, PalettesHaveTheirColoursInOrder)
{
    EXPECT_EQ(ChartColorTemplates::liberty().size(), 5);
    EXPECT_EQ(ChartColorTemplates::joyful().size(), 5);
    EXPECT_EQ(ChartColorTemplates::pastel().size(), 5);
    EXPECT_EQ(ChartColorTemplates::colorful().size(), 5);
    EXPECT_EQ(ChartColorTemplates::vordiplom().size(), 5);
    EXPECT_EQ(ChartColorTemplates::material().size(), 4);
    EXPECT_EQ(ChartColorTemplates::liberty().first(), QColor(207, 248, 246));
    EXPECT_EQ(ChartColorTemplates::joyful().last(), QColor(53, 194, 209));
    EXPECT_EQ(ChartColorTemplates::pastel().at(2), QColor(217, 184, 162));
    EXPECT_EQ(ChartColorTemplates::colorful().at(1), QColor(255, 102, 0));
    EXPECT_EQ(ChartColorTemplates::vordiplom().at(3), QColor(140, 234, 255));
    EXPECT_EQ(ChartColorTemplates::material().last(), QColor(52, 152, 219));
    expectColor(ChartColorTemplates::material().first(), 46 / 255.0, 204 / 255.0, 113 / 255.0, 1);
}

TEST(ColorTemplates, HexForms)
{
    expectColor(ChartColorTemplates::colorFromString("#FF0000"), 1, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("#ff0000"), 1, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("#f00"), 1, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("#1a2"), 0x11 / 255.0, 0xaa / 255.0,
                0x22 / 255.0, 1);
    // Eight digits begin with alpha.
    expectColor(ChartColorTemplates::colorFromString("#80ff0000"), 1, 0, 0, 128 / 255.0);
    expectColor(ChartColorTemplates::colorFromString("#003da5"), 0, 61 / 255.0, 165 / 255.0, 1);
}

TEST(ColorTemplates, HexFailuresGiveOpaqueBlack)
{
    for (const char* text :
         {"#12345", "#", "#1234567", "#123456789", "#12g", "#zzzzzz", "# 12345"}) {
        SCOPED_TRACE(text);
        expectColor(ChartColorTemplates::colorFromString(text), 0, 0, 0, 1);
    }
}

TEST(ColorTemplates, RgbForms)
{
    expectColor(ChartColorTemplates::colorFromString("rgb(255, 128, 0)"), 1, 128 / 255.0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("RGB(255,128,0)"), 1, 128 / 255.0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("  rgb ( 1 2 3 )"), 0, 0, 0,
                0); // not at the start
    expectColor(ChartColorTemplates::colorFromString("rgb ( 51 102 153 )"), 0.2, 0.4, 0.6, 1);
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 255, 0.5)"), 0, 0, 1, 0.5);
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 255)"), 0, 0, 1, 1);
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 255, .25)"), 0, 0, 1, 0.25);
    expectColor(ChartColorTemplates::colorFromString("argb(0.25, 10, 20, 30)"), 10 / 255.0,
                20 / 255.0, 30 / 255.0, 0.25);
    // Alpha is read as a 32-bit float.
    expectColor(ChartColorTemplates::colorFromString("rgba(0,0,0,0.3)"), 0, 0, 0, double(0.3f));
}

TEST(ColorTemplates, UnreadableComponentsKeepTheirStartValues)
{
    expectColor(ChartColorTemplates::colorFromString("rgb(x, 128, 0)"), 0, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("rgb(255)"), 1, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("rgb"), 0, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("argb(, 10, 20, 30)"), 10 / 255.0, 20 / 255.0,
                30 / 255.0, 1);
    expectColor(ChartColorTemplates::colorFromString("rgba(10; 20; 30; 0.5)"), 10 / 255.0, 0, 0, 1);
}

TEST(ColorTemplates, OtherTextsGiveTheClearColour)
{
    for (const char* text : {"red", "", " #ff0000", "hsl(0, 100%, 50%)", "rg(1,2,3)"}) {
        SCOPED_TRACE(text);
        const QColor color = ChartColorTemplates::colorFromString(text);
        EXPECT_TRUE(color.isValid());
        expectColor(color, 0, 0, 0, 0);
    }
}

TEST(ColorTemplates, ComponentsBeyondTheRangeArePassedOn)
{
    const QColor bright = ChartColorTemplates::colorFromString("rgb(510, 0, -255)");
    EXPECT_TRUE(bright.isValid());
    EXPECT_NEAR(bright.redF(), 2.0, 1e-3);
    EXPECT_NEAR(bright.blueF(), -1.0, 1e-3);
    // A component too large for the colour's channels stays at their largest finite value.
    const QColor huge = ChartColorTemplates::colorFromString("rgb(99999999999, 0, 0)");
    EXPECT_TRUE(std::isfinite(huge.redF()));
    EXPECT_GT(huge.redF(), 60000.0);
    // Alpha stays a fraction.
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 0, 7)"), 0, 0, 0, 1);
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 0, -1)"), 0, 0, 0, 0);
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 0, 1e99)"), 0, 0, 0, 1);
}

TEST(TextScanner, StepsSkipWhiteSpaceAndAFailedStepMovesNothing)
{
    TextScanner scanner("  12 abc");
    std::int32_t number = -5;
    EXPECT_TRUE(scanner.scanInt32(number));
    EXPECT_EQ(number, 12);
    EXPECT_FALSE(scanner.scanInt32(number));
    EXPECT_EQ(number, 12);
    EXPECT_FALSE(scanner.scanWord("abd"));
    EXPECT_TRUE(scanner.scanWord("ab"));
    EXPECT_TRUE(scanner.scanCharacters("cx"));
    EXPECT_TRUE(scanner.isAtEnd());
}

TEST(TextScanner, IntegersClampToThirtyTwoBits)
{
    std::int32_t number = 0;
    TextScanner big("99999999999 -99999999999 +7 -");
    EXPECT_TRUE(big.scanInt32(number));
    EXPECT_EQ(number, std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(big.scanInt32(number));
    EXPECT_EQ(number, std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(big.scanInt32(number));
    EXPECT_EQ(number, 7);
    EXPECT_FALSE(big.scanInt32(number));
    EXPECT_EQ(number, 7);
}

TEST(TextScanner, FloatsAreSinglePrecisionWithExponents)
{
    float value = 0;
    TextScanner scanner("0.3 -1.5e2 7. 1e 1e999 x");
    ASSERT_TRUE(scanner.scanFloat(value));
    EXPECT_EQ(value, 0.3f);
    ASSERT_TRUE(scanner.scanFloat(value));
    EXPECT_EQ(value, -150.0f);
    ASSERT_TRUE(scanner.scanFloat(value));
    EXPECT_EQ(value, 7.0f);
    ASSERT_TRUE(scanner.scanFloat(value)); // "1", the "e" has no digits
    EXPECT_EQ(value, 1.0f);
    EXPECT_FALSE(scanner.scanFloat(value)); // the lone "e"
    EXPECT_TRUE(scanner.scanWord("e"));
    ASSERT_TRUE(scanner.scanFloat(value));
    EXPECT_EQ(value, std::numeric_limits<float>::infinity());
    EXPECT_FALSE(scanner.scanFloat(value));
}
