#include "ChartEngine/foundation/DefaultAxisValueFormatter.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;

namespace {

// Number texts depend on the locale: every test here runs in en_US.
class Formatters : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    static QString text(const ValueFormatter& formatter, double value)
    {
        return formatter.stringForValue(value, nullptr, 0, nullptr);
    }
};

}

TEST_F(Formatters, NumberFormatterDigitsAndGrouping)
{
    NumberFormatter formatter;
    EXPECT_EQ(formatter.stringFromNumber(1234.56),
              QStringLiteral("1235")); // new: 0 digits, no grouping
    formatter.setMaximumFractionDigits(3);
    formatter.setMinimumFractionDigits(1);
    formatter.setUsesGroupingSeparator(true);
    EXPECT_EQ(formatter.stringFromNumber(1234567.5), QStringLiteral("1,234,567.5"));
    EXPECT_EQ(formatter.stringFromNumber(2), QStringLiteral("2.0"));
    EXPECT_EQ(formatter.stringFromNumber(0.12345), QStringLiteral("0.123"));
    // The minimum raises the maximum and the maximum lowers the minimum.
    formatter.setMinimumFractionDigits(5);
    EXPECT_EQ(formatter.maximumFractionDigits(), 5);
    formatter.setMaximumFractionDigits(2);
    EXPECT_EQ(formatter.minimumFractionDigits(), 2);
    // Negative counts are 0; huge ones are capped.
    formatter.setMinimumFractionDigits(-1);
    formatter.setMaximumFractionDigits(-1);
    EXPECT_EQ(formatter.stringFromNumber(1234.56), QStringLiteral("1,235"));
    formatter.setMaximumFractionDigits(std::numeric_limits<int>::max());
    EXPECT_EQ(formatter.maximumFractionDigits(), NumberFormatter::maximumDigitCount);

    NumberFormatter german(QLocale(QLocale::German, QLocale::Germany));
    german.setMaximumFractionDigits(1);
    german.setUsesGroupingSeparator(true);
    EXPECT_EQ(german.stringFromNumber(1234.5), QStringLiteral("1.234,5"));
}

TEST_F(Formatters, DefaultValueFormatterConstructors)
{
    const DefaultValueFormatter plain;
    EXPECT_TRUE(plain.hasAutoDecimals());
    EXPECT_EQ(plain.decimals(), 1);
    EXPECT_EQ(text(plain, 1234.56), QStringLiteral("1,234.6"));
    EXPECT_EQ(text(plain, 3), QStringLiteral("3.0"));

    DefaultValueFormatter sized(0);
    EXPECT_TRUE(sized.hasAutoDecimals());
    EXPECT_EQ(text(sized, 1234.56), QStringLiteral("1,235"));
    // The chart view sizes the digits to its data; a negative count shows none.
    sized.setDecimals(decimalPlaces(1000));
    EXPECT_EQ(sized.decimals(), -1);
    EXPECT_EQ(text(sized, 1234.56), QStringLiteral("1,235"));
    sized.setDecimals(decimalPlaces(0.05));
    EXPECT_EQ(text(sized, 1234.56), QStringLiteral("1,234.5600"));
}

TEST_F(Formatters, ValueFormatterWithAFormatterKeepsItsDigitsUntilDecimalsAreSet)
{
    auto numbers = std::make_shared<NumberFormatter>();
    numbers->setMaximumFractionDigits(3);
    DefaultValueFormatter formatter(numbers);
    EXPECT_FALSE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.decimals(), std::nullopt);
    EXPECT_EQ(text(formatter, 1234.5), QStringLiteral("1234.5"));
    formatter.setDecimals(std::nullopt);
    EXPECT_EQ(text(formatter, 1234.5), QStringLiteral("1234.5"));
    formatter.setDecimals(2);
    EXPECT_EQ(text(formatter, 1234.5), QStringLiteral("1,234.50"));
    EXPECT_EQ(numbers->minimumFractionDigits(), 2); // shared, not copied
}

TEST_F(Formatters, ValueFormatterBlockWinsAndNothingGivesEmptyText)
{
    DefaultValueFormatter formatter(
        [](double v, const ChartDataEntry*, qint64 set, const ViewPortHandler*) {
            return QStringLiteral("%1 of set %2").arg(v).arg(set);
        });
    EXPECT_FALSE(formatter.hasAutoDecimals());
    EXPECT_FALSE(formatter.formatter());
    formatter.setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_EQ(formatter.stringForValue(2.5, nullptr, 3, nullptr), QStringLiteral("2.5 of set 3"));
    formatter.setBlock({});
    formatter.setFormatter(nullptr);
    EXPECT_EQ(text(formatter, 2.5), QString());
}

TEST_F(Formatters, AxisFormatterConstructorsAndDecimals)
{
    DefaultAxisValueFormatter plain;
    EXPECT_TRUE(plain.hasAutoDecimals());
    EXPECT_EQ(plain.decimals(), std::nullopt);
    EXPECT_EQ(plain.stringForValue(1234.56, nullptr), QStringLiteral("1235"));
    // The axis hands it its digits; writing none afterwards keeps them.
    plain.setDecimals(1);
    EXPECT_EQ(plain.stringForValue(1234.56, nullptr), QStringLiteral("1,234.6"));
    plain.setDecimals(std::nullopt);
    EXPECT_EQ(plain.stringForValue(1234.56, nullptr), QStringLiteral("1,234.6"));
    EXPECT_TRUE(plain.hasAutoDecimals());

    DefaultAxisValueFormatter sized(2);
    EXPECT_TRUE(sized.hasAutoDecimals());
    EXPECT_EQ(sized.stringForValue(1234.5, nullptr), QStringLiteral("1,234.50"));
    // A formatter set by hand stops the automatic decimals.
    sized.setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_FALSE(sized.hasAutoDecimals());
    EXPECT_EQ(sized.stringForValue(1234.4, nullptr), QStringLiteral("1234"));
    EXPECT_FALSE(DefaultAxisValueFormatter(std::make_shared<NumberFormatter>()).hasAutoDecimals());
}

TEST_F(Formatters, AxisBlockWinsAndNothingGivesEmptyText)
{
    const auto formatter = DefaultAxisValueFormatter::withBlock([](double v, const AxisBase* axis) {
        return QStringLiteral("%1 %2").arg(v).arg(axis ? "axis" : "none");
    });
    EXPECT_FALSE(formatter->hasAutoDecimals());
    formatter->setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_EQ(formatter->stringForValue(7, nullptr), QStringLiteral("7 none"));
    formatter->setBlock({});
    formatter->setFormatter(nullptr);
    EXPECT_EQ(formatter->stringForValue(7, nullptr), QString());
}

TEST_F(Formatters, IndexFormatterShowsALabelOnlyJustAboveAWholeIndex)
{
    const auto formatter = IndexAxisValueFormatter::withValues({"a", "b", "c"});
    for (const auto& [value, label] :
         {std::pair{0.0, "a"}, {2.0, "c"}, {2.4, "c"}, {2.49, "c"}, {-0.4, "a"}}) {
        EXPECT_EQ(formatter->stringForValue(value, nullptr), QString::fromLatin1(label)) << value;
    }
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    for (double value : {2.5, 2.6, 1.5, 3.0, -0.6, -1.0, notANumber, infinity, -infinity, 1e300}) {
        EXPECT_EQ(formatter->stringForValue(value, nullptr), QString()) << value;
    }
    EXPECT_EQ(IndexAxisValueFormatter().stringForValue(0, nullptr), QString());
}
