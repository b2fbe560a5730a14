#include "Brisvale/records/BodyMeasures.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using BodyMeasures::heightText;
using BodyMeasures::parseFloat;
using BodyMeasures::parseHeight;
using BodyMeasures::weightText;
using Unit = UnitType_DB::Defaults;

// Shown numbers round as printf does, ties to even on exact binary ties.
TEST(BodyMeasuresText, CentimetresAndWeightsRoundAsPrintf)
{
    EXPECT_EQ(heightText(172.5f, Unit::KgCm), "172");
    EXPECT_EQ(heightText(173.5f, Unit::KgCm), "174");
    EXPECT_EQ(heightText(172.6f, Unit::KgCm), "173");
    EXPECT_EQ(weightText(70.25f), "70.2");
    EXPECT_EQ(weightText(70.0f), "70.0");
    EXPECT_EQ(weightText(150.0f), "150.0");
}

TEST(BodyMeasuresText, FeetShowAsWholeFeetAndInches)
{
    EXPECT_EQ(heightText(5.5f, Unit::FtIn), "5/6.0");
    EXPECT_EQ(heightText(5.9f, Unit::FtIn), "5/10.8");
    EXPECT_EQ(heightText(5.75f, Unit::FtIn), "5/9.0");
    EXPECT_EQ(heightText(6.0f, Unit::FtIn), "6/0.0");
    EXPECT_EQ(heightText(0.0f, Unit::FtIn), "0/0.0");
    // Just below a whole foot the inches round up to twelve; the text still reads back.
    EXPECT_EQ(heightText(5.999f, Unit::FtIn), "5/12.0");
}

// A limit moves inward to a text whose every shown height lies within it, over whole feet too.
TEST(BodyMeasuresText, FeetAndInchesLimitsMoveInwardByHalfAShownTenth)
{
    using BodyMeasures::Limit;
    const struct { double centimetres; Limit limit; const char* shown; } cases[] = {
        {100.0, Limit::lowest, "3/3.5"},  {250.0, Limit::highest, "8/2.3"}, {300.0, Limit::highest, "9/10.0"},
        {30.48, Limit::lowest, "1/0.1"},  {30.48, Limit::highest, "0/11.9"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(BodyMeasures::feetAndInchesLimit(test.centimetres, test.limit), QLatin1String(test.shown))
            << test.centimetres;
    }
}

TEST(BodyMeasuresParse, FeetAndInchesGiveExactFeet)
{
    EXPECT_EQ(parseHeight("5/6", Unit::FtIn), 5.5f);
    EXPECT_EQ(parseHeight("5/6.0", Unit::FtIn), 5.5f);
    EXPECT_EQ(parseHeight("6", Unit::FtIn), 6.0f);
    EXPECT_EQ(parseHeight("5.75", Unit::FtIn), 5.75f);
    // Extra parts after the inches are not read.
    EXPECT_EQ(parseHeight("5/6/7", Unit::FtIn), 5.5f);
    // The shown text of a stored height reads back to it.
    EXPECT_EQ(parseHeight(heightText(5.75f, Unit::FtIn), Unit::FtIn), 5.75f);
}

TEST(BodyMeasuresParse, IncompleteOrNonNumericFeetGiveNothing)
{
    for (const char* text : {"5/", "/6", "/", "5/x", "x/6", "abc", "", "5 /6", "5/6 ", "five"}) {
        EXPECT_EQ(parseHeight(QString::fromLatin1(text), Unit::FtIn), std::nullopt) << text;
    }
}

TEST(BodyMeasuresParse, NonFiniteAndOverflowingNumbersGiveNothing)
{
    for (const char* text : {"nan", "NaN", "inf", "-inf", "infinity", "1e39", "-1e39"}) {
        EXPECT_EQ(parseFloat(QString::fromLatin1(text)), std::nullopt) << text;
        EXPECT_EQ(parseHeight(QString::fromLatin1(text), Unit::KgCm), std::nullopt) << text;
        EXPECT_EQ(parseHeight(QString::fromLatin1(text), Unit::FtIn), std::nullopt) << text;
    }
    // Feet and inches that are finite in double precision but overflow single precision.
    EXPECT_EQ(parseHeight("1e300/0", Unit::FtIn), std::nullopt);
    EXPECT_EQ(parseHeight("nan/6", Unit::FtIn), std::nullopt);
    EXPECT_EQ(parseHeight("5/inf", Unit::FtIn), std::nullopt);
    EXPECT_EQ(BodyMeasures::parseDouble("1e309"), std::nullopt);
}

TEST(BodyMeasuresParse, NumberSyntax)
{
    EXPECT_EQ(parseFloat("70.25"), 70.25f);
    EXPECT_EQ(parseFloat("+70"), 70.0f);
    EXPECT_EQ(parseFloat("-3"), -3.0f);
    EXPECT_EQ(parseFloat("1.5e2"), 150.0f);
    EXPECT_EQ(parseFloat(".5"), 0.5f);
    for (const char* text : {" 70", "70 ", "70,5", "+-5", "+", "-", "7O", "0x10", "1/2"}) {
        EXPECT_EQ(parseFloat(QString::fromLatin1(text)), std::nullopt) << text;
    }
    EXPECT_EQ(parseHeight("1/2", Unit::KgCm), std::nullopt);
    EXPECT_EQ(parseHeight("172.6", Unit::KgCm), 172.6f);
}
