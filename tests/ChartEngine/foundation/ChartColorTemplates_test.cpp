#include "ChartEngine/foundation/ChartColorTemplates.h"
#include "ChartEngine/foundation/TextScanner.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;

namespace {

struct Expected {
    const char* text;
    double red, green, blue, alpha;
};

// Colours hold 16 bits a channel: compare within one step.
void expectColors(std::initializer_list<Expected> cases)
{
    constexpr double step = 1.0 / 65535.0;
    for (const Expected& e : cases) {
        const QColor color = ChartColorTemplates::colorFromString(QString::fromUtf8(e.text));
        SCOPED_TRACE(testing::Message()
                     << '"' << e.text << "\" gave " << testing::PrintToString(color));
        EXPECT_TRUE(color.isValid());
        EXPECT_NEAR(color.redF(), e.red, step);
        EXPECT_NEAR(color.greenF(), e.green, step);
        EXPECT_NEAR(color.blueF(), e.blue, step);
        EXPECT_NEAR(color.alphaF(), e.alpha, step);
    }
}

}

TEST(ColorTemplates, Palettes)
{
    for (const auto& palette : {ChartColorTemplates::liberty(), ChartColorTemplates::joyful(),
                                ChartColorTemplates::pastel(), ChartColorTemplates::colorful(),
                                ChartColorTemplates::vordiplom()}) {
        EXPECT_EQ(palette.size(), 5);
    }
    EXPECT_EQ(ChartColorTemplates::material().size(), 4);
    EXPECT_EQ(ChartColorTemplates::vordiplom().at(3),
              QColor::fromRgbF(140 / 255.0f, 234 / 255.0f, 1.0f));
}

TEST(ColorTemplates, HexForms)
{
    expectColors({{"#FF0000", 1, 0, 0, 1},
                  {"#ff0000", 1, 0, 0, 1},
                  {"#f00", 1, 0, 0, 1},
                  {"#1a2", 0x11 / 255.0, 0xaa / 255.0, 0x22 / 255.0, 1},
                  {"#80ff0000", 1, 0, 0, 128 / 255.0}, // eight digits begin with alpha
                  // Another digit count, or a character that is no hex digit: opaque black.
                  {"#12345", 0, 0, 0, 1},
                  {"#", 0, 0, 0, 1},
                  {"#1234567", 0, 0, 0, 1},
                  {"#12g", 0, 0, 0, 1},
                  {"# 12345", 0, 0, 0, 1}});
}

TEST(ColorTemplates, FunctionForms)
{
    expectColors({{"rgb(255, 128, 0)", 1, 128 / 255.0, 0, 1},
                  {"RGB(255,128,0)", 1, 128 / 255.0, 0, 1},
                  {"rgb ( 51 102 153 )", 0.2, 0.4, 0.6, 1},
                  {"rgba(0, 0, 255, 0.5)", 0, 0, 1, 0.5},
                  {"rgba(0, 0, 255)", 0, 0, 1, 1},
                  {"rgba(0,0,0,0.3)", 0, 0, 0, double(0.3f)}, // alpha is a 32-bit float
                  {"argb(0.25, 10, 20, 30)", 10 / 255.0, 20 / 255.0, 30 / 255.0, 0.25},
                  // Unreadable or missing components keep their start values; reading goes on.
                  {"rgb(x, 128, 0)", 0, 0, 0, 1},
                  {"rgb(255)", 1, 0, 0, 1},
                  {"argb(, 10, 20, 30)", 10 / 255.0, 20 / 255.0, 30 / 255.0, 1},
                  {"rgba(10; 20; 30; 0.5)", 10 / 255.0, 0, 0, 1},
                  // Alpha stays a fraction.
                  {"rgba(0, 0, 0, 7)", 0, 0, 0, 1},
                  {"rgba(0, 0, 0, -1)", 0, 0, 0, 0},
                  {"rgba(0, 0, 0, 1e99)", 0, 0, 0, 1},
                  // Anything else is the clear colour.
                  {"red", 0, 0, 0, 0},
                  {"", 0, 0, 0, 0},
                  {" #ff0000", 0, 0, 0, 0},
                  {"hsl(0, 100%, 50%)", 0, 0, 0, 0}});
}

TEST(ColorTemplates, ComponentsBeyondTheRangeArePassedOn)
{
    const QColor bright = ChartColorTemplates::colorFromString("rgb(510, 0, -255)");
    EXPECT_NEAR(bright.redF(), 2.0, 1e-3);
    EXPECT_NEAR(bright.blueF(), -1.0, 1e-3);
    // One too large for the colour's channels stays at their largest finite value.
    const QColor huge = ChartColorTemplates::colorFromString("rgb(99999999999, 0, 0)");
    EXPECT_TRUE(std::isfinite(huge.redF()));
    EXPECT_GT(huge.redF(), 60000.0);
}

TEST(TextScanner, NumbersAtTheirLimits)
{
    TextScanner scanner("99999999999 -99999999999 - -1.5e2 1e 1e999");
    std::int32_t number = 5;
    EXPECT_TRUE(scanner.scanInt32(number));
    EXPECT_EQ(number, std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(scanner.scanInt32(number));
    EXPECT_EQ(number, std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(scanner.scanInt32(number)); // a lone sign: nothing read, nothing moved
    EXPECT_TRUE(scanner.scanWord("-"));
    float value = 0;
    for (float expected : {-150.0f, 1.0f}) { // "1e" reads "1": its "e" has no digits
        ASSERT_TRUE(scanner.scanFloat(value));
        EXPECT_EQ(value, expected);
    }
    EXPECT_TRUE(scanner.scanWord("e"));
    ASSERT_TRUE(scanner.scanFloat(value));
    EXPECT_EQ(value, std::numeric_limits<float>::infinity());
    EXPECT_TRUE(scanner.isAtEnd());
}
