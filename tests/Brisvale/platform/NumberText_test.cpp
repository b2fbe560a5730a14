#include "Brisvale/platform/NumberText.h"

#include "support/GermanLocale.h"
#include "support/QtPrinters.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

TEST(NumberText, ExactTiesRoundToEvenLikePrintf)
{
    EXPECT_EQ(NumberText::fixed(172.5, 0), QStringLiteral("172"));
    EXPECT_EQ(NumberText::fixed(173.5, 0), QStringLiteral("174"));
    EXPECT_EQ(NumberText::fixed(0.5, 0), QStringLiteral("0"));
    EXPECT_EQ(NumberText::fixed(2.5, 0), QStringLiteral("2"));
    EXPECT_EQ(NumberText::fixed(70.25, 1), QStringLiteral("70.2"));
    EXPECT_EQ(NumberText::fixed(70.75, 1), QStringLiteral("70.8"));
    EXPECT_EQ(NumberText::fixed(0.125, 2), QStringLiteral("0.12"));
    EXPECT_EQ(NumberText::fixed(-0.5, 0), QStringLiteral("-0"));
}

TEST(NumberText, ValuesJustOffATieRoundByTheirBinaryValue)
{
    // 2.675 is stored a little below the tie, 172.6 a little above .5 away from 172.
    EXPECT_EQ(NumberText::fixed(2.675, 2), QStringLiteral("2.67"));
    EXPECT_EQ(NumberText::fixed(static_cast<double>(2.675f), 2), QStringLiteral("2.67"));
    EXPECT_EQ(NumberText::fixed(static_cast<double>(3.456f), 2), QStringLiteral("3.46"));
    EXPECT_EQ(NumberText::fixed(static_cast<double>(172.6f), 0), QStringLiteral("173"));
    EXPECT_EQ(NumberText::fixed(static_cast<double>(70.0f), 1), QStringLiteral("70.0"));
    EXPECT_EQ(NumberText::fixed(0.5 * 0.3048 / 0.0254, 1), QStringLiteral("6.0"));
}

TEST(NumberText, LargeAndNonFiniteValuesPrintWithoutLoss)
{
    EXPECT_EQ(NumberText::fixed(1e20, 0), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(NumberText::fixed(-1e300, 1).size(), 304);
    EXPECT_EQ(NumberText::fixed(std::numeric_limits<double>::quiet_NaN(), 1), QStringLiteral("nan"));
    EXPECT_EQ(NumberText::fixed(std::numeric_limits<double>::infinity(), 0), QStringLiteral("inf"));
    EXPECT_EQ(NumberText::fixed(-std::numeric_limits<double>::infinity(), 1), QStringLiteral("-inf"));
}

TEST(NumberText, DecimalsOutsideTheRangeAreClamped)
{
    EXPECT_EQ(NumberText::fixed(1.25, -3), QStringLiteral("1"));
    EXPECT_EQ(NumberText::fixed(0.1, 40), QStringLiteral("0.10000000000000001"));
}

TEST(NumberText, TheFixedFormKeepsAPointInADecimalCommaLocale)
{
    const GermanLocale german;
    if (!german.processLocaleSet) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is missing: run scripts/setup";
    }
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 70.25);
    EXPECT_EQ(QString::fromLatin1(printed), QStringLiteral("70,2"));
    EXPECT_EQ(NumberText::fixed(70.25, 1), QStringLiteral("70.2"));
}

TEST(NumberText, ShownNumbersTakeTheLocalesDecimalSeparatorAndReadBackEitherWay)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const struct {
        QLocale locale;
        double value;
        int decimals;
        QString shown;
        QString typed;
        QString read;
    } cases[] = {
        {english, 3.3f, 2, "3.30", "70,5", "70,5"},
        {german, 3.3f, 2, "3,30", "70,5", "70.5"},
        {german, 70.25, 1, "70,2", "70.5", "70.5"},
        {german, 1234.5, 1, "1234,5", "5/6,0", "5/6.0"},
        {german, 172.5, 0, "172", "1.000,5", "1.000.5"},
        {german, -0.125, 2, "-0,12", "-0,5", "-0.5"},
        {french, 2.5, 2, "2,50", "2,5", "2.5"},
        {QLocale::c(), 2.5, 2, "2.50", "2,5", "2,5"},
    };
    const QLocale previous;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.locale.name().toStdString() + " " + test.shown.toStdString());
        QLocale::setDefault(test.locale);
        EXPECT_EQ(NumberText::shown(test.value, test.decimals), test.shown);
        EXPECT_EQ(NumberText::shown(NumberText::fixed(test.value, test.decimals)), test.shown);
        EXPECT_EQ(NumberText::fromShown(test.typed), test.read);
    }
    QLocale::setDefault(previous);
}
