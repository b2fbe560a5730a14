#include "ChartEngine/foundation/DefaultAxisValueFormatter.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/foundation/NumberFormatter.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// Number texts depend on the locale: every test here runs in en_US.
class Formatters : public testing::Test {
protected:
    void SetUp() override
    {
        previous = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(previous); }

    QString value(const ValueFormatter& formatter, double v)
    {
        return formatter.stringForValue(v, nullptr, 0, nullptr);
    }

    QLocale previous;
};

}

TEST_F(Formatters, NewNumberFormatterShowsWholeNumbersWithoutGrouping)
{
    const NumberFormatter formatter;
    EXPECT_EQ(formatter.minimumFractionDigits(), 0);
    EXPECT_EQ(formatter.maximumFractionDigits(), 0);
    EXPECT_FALSE(formatter.usesGroupingSeparator());
    EXPECT_EQ(formatter.stringFromNumber(1234.56), QStringLiteral("1235"));
    EXPECT_EQ(formatter.stringFromNumber(-0.6), QStringLiteral("-1"));
}

TEST_F(Formatters, NumberFormatterDigitRangeAndGrouping)
{
    NumberFormatter formatter;
    formatter.setMaximumFractionDigits(3);
    formatter.setMinimumFractionDigits(1);
    formatter.setUsesGroupingSeparator(true);
    EXPECT_EQ(formatter.stringFromNumber(1234567.5), QStringLiteral("1,234,567.5"));
    EXPECT_EQ(formatter.stringFromNumber(2), QStringLiteral("2.0"));
    EXPECT_EQ(formatter.stringFromNumber(0.12345), QStringLiteral("0.123"));
    formatter.setMinimumFractionDigits(0);
    EXPECT_EQ(formatter.stringFromNumber(2), QStringLiteral("2"));

    // A minimum above the maximum raises it; a maximum below the minimum lowers it.
    formatter.setMinimumFractionDigits(5);
    EXPECT_EQ(formatter.maximumFractionDigits(), 5);
    formatter.setMaximumFractionDigits(2);
    EXPECT_EQ(formatter.minimumFractionDigits(), 2);
}

TEST_F(Formatters, NumberFormatterNegativeAndHugeDigitCounts)
{
    NumberFormatter formatter;
    formatter.setMinimumFractionDigits(-1);
    formatter.setMaximumFractionDigits(-1);
    EXPECT_EQ(formatter.minimumFractionDigits(), 0);
    EXPECT_EQ(formatter.stringFromNumber(1234.56), QStringLiteral("1235"));
    formatter.setMaximumFractionDigits(std::numeric_limits<int>::max());
    EXPECT_EQ(formatter.maximumFractionDigits(), NumberFormatter::maximumDigitCount);
}

TEST_F(Formatters, NumberFormatterUsesItsOwnLocale)
{
    NumberFormatter formatter(QLocale(QLocale::German, QLocale::Germany));
    formatter.setMinimumFractionDigits(1);
    formatter.setMaximumFractionDigits(2);
    formatter.setUsesGroupingSeparator(true);
    EXPECT_EQ(formatter.stringFromNumber(1234.5), QStringLiteral("1.234,5"));
}

TEST_F(Formatters, DefaultValueFormatterPlainShowsOneDigitGrouped)
{
    const DefaultValueFormatter formatter;
    EXPECT_TRUE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.decimals(), 1);
    ASSERT_TRUE(formatter.formatter());
    EXPECT_TRUE(formatter.formatter()->usesGroupingSeparator());
    EXPECT_FALSE(formatter.block());
    EXPECT_EQ(value(formatter, 1234.56), QStringLiteral("1,234.6"));
    EXPECT_EQ(value(formatter, 3), QStringLiteral("3.0"));
}

TEST_F(Formatters, DefaultValueFormatterWithDecimals)
{
    DefaultValueFormatter formatter(0);
    EXPECT_TRUE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.decimals(), 0);
    EXPECT_EQ(value(formatter, 1234.56), QStringLiteral("1,235"));

    // The chart view sizes the digits to its data: a range of 1000 gives -1, shown as none.
    formatter.setDecimals(decimalPlaces(1000));
    EXPECT_EQ(formatter.decimals(), -1);
    EXPECT_EQ(value(formatter, 1234.56), QStringLiteral("1,235"));
    formatter.setDecimals(decimalPlaces(0.05));
    EXPECT_EQ(value(formatter, 1234.56), QStringLiteral("1,234.5600"));
}

TEST_F(Formatters, DefaultValueFormatterWithFormatterKeepsItsDigitsUntilDecimalsAreSet)
{
    auto numbers = std::make_shared<NumberFormatter>();
    numbers->setMaximumFractionDigits(3);
    DefaultValueFormatter formatter(numbers);
    EXPECT_FALSE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.decimals(), std::nullopt);
    EXPECT_EQ(formatter.formatter(), numbers); // shared, not copied
    EXPECT_EQ(value(formatter, 1234.5), QStringLiteral("1234.5"));

    formatter.setDecimals(std::nullopt);
    EXPECT_EQ(value(formatter, 1234.5), QStringLiteral("1234.5"));
    formatter.setDecimals(2);
    EXPECT_EQ(value(formatter, 1234.5), QStringLiteral("1,234.50"));
    EXPECT_EQ(numbers->minimumFractionDigits(), 2);
}

TEST_F(Formatters, ValueFormatterBlockWinsAndNothingGivesEmptyText)
{
    DefaultValueFormatter formatter(
        [](double v, const ChartDataEntry*, qint64 index, const ViewPortHandler*) {
            return QStringLiteral("%1 of set %2").arg(v).arg(index);
        });
    EXPECT_FALSE(formatter.hasAutoDecimals());
    EXPECT_FALSE(formatter.formatter());
    formatter.setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_EQ(formatter.stringForValue(2.5, nullptr, 3, nullptr), QStringLiteral("2.5 of set 3"));

    formatter.setBlock({});
    formatter.setFormatter(nullptr);
    EXPECT_EQ(value(formatter, 2.5), QString());

    const auto shared = DefaultValueFormatter::withBlock(
        [](double, const ChartDataEntry*, qint64, const ViewPortHandler*) {
            return QStringLiteral("x");
        });
    EXPECT_EQ(value(*shared, 1), QStringLiteral("x"));
}

TEST_F(Formatters, DefaultAxisValueFormatterPlainHasAutoDecimalsButNoDigits)
{
    DefaultAxisValueFormatter formatter;
    EXPECT_TRUE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.decimals(), std::nullopt);
    ASSERT_TRUE(formatter.formatter());
    EXPECT_FALSE(formatter.formatter()->usesGroupingSeparator());
    EXPECT_EQ(formatter.stringForValue(1234.56, nullptr), QStringLiteral("1235"));

    // The axis hands it its digits.
    formatter.setDecimals(1);
    EXPECT_EQ(formatter.stringForValue(1234.56, nullptr), QStringLiteral("1,234.6"));
    EXPECT_TRUE(formatter.hasAutoDecimals());
    // Writing none keeps the digits.
    formatter.setDecimals(std::nullopt);
    EXPECT_EQ(formatter.decimals(), std::nullopt);
    EXPECT_EQ(formatter.stringForValue(1234.56, nullptr), QStringLiteral("1,234.6"));
}

TEST_F(Formatters, DefaultAxisValueFormatterWithDecimals)
{
    const DefaultAxisValueFormatter formatter(2);
    EXPECT_TRUE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.decimals(), 2);
    EXPECT_EQ(formatter.stringForValue(1234.5, nullptr), QStringLiteral("1,234.50"));
}

TEST_F(Formatters, SettingTheAxisFormatterTurnsAutoDecimalsOff)
{
    DefaultAxisValueFormatter formatter(2);
    auto numbers = std::make_shared<NumberFormatter>();
    formatter.setFormatter(numbers);
    EXPECT_FALSE(formatter.hasAutoDecimals());
    EXPECT_EQ(formatter.stringForValue(1234.4, nullptr), QStringLiteral("1234"));

    const DefaultAxisValueFormatter given(numbers);
    EXPECT_FALSE(given.hasAutoDecimals());
    EXPECT_EQ(given.decimals(), std::nullopt);
}

TEST_F(Formatters, AxisBlockWinsAndNothingGivesEmptyText)
{
    DefaultAxisValueFormatter formatter([](double v, const AxisBase* axis) {
        return QStringLiteral("%1 %2").arg(v).arg(axis ? "axis" : "none");
    });
    EXPECT_FALSE(formatter.hasAutoDecimals());
    EXPECT_FALSE(formatter.formatter());
    EXPECT_EQ(formatter.stringForValue(7, nullptr), QStringLiteral("7 none"));
    formatter.setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_EQ(formatter.stringForValue(7, nullptr), QStringLiteral("7 none"));

    formatter.setBlock({});
    formatter.setFormatter(nullptr);
    EXPECT_EQ(formatter.stringForValue(7, nullptr), QString());
    EXPECT_EQ(DefaultAxisValueFormatter::withBlock([](double, const AxisBase*) {
                  return QStringLiteral("b");
              })->stringForValue(1, nullptr),
              QStringLiteral("b"));
}

TEST_F(Formatters, IndexFormatterShowsALabelOnlyJustAboveAWholeIndex)
{
    const auto formatter = IndexAxisValueFormatter::withValues({"a", "b", "c"});
    EXPECT_EQ(formatter->stringForValue(0, nullptr), QStringLiteral("a"));
    EXPECT_EQ(formatter->stringForValue(2.0, nullptr), QStringLiteral("c"));
    EXPECT_EQ(formatter->stringForValue(2.4, nullptr), QStringLiteral("c"));
    EXPECT_EQ(formatter->stringForValue(2.49, nullptr), QStringLiteral("c"));
    EXPECT_EQ(formatter->stringForValue(-0.4, nullptr), QStringLiteral("a"));
    EXPECT_EQ(formatter->stringForValue(2.5, nullptr), QString());
    EXPECT_EQ(formatter->stringForValue(2.6, nullptr), QString());
    EXPECT_EQ(formatter->stringForValue(1.5, nullptr), QString());
    EXPECT_EQ(formatter->stringForValue(3, nullptr), QString());
    EXPECT_EQ(formatter->stringForValue(-0.6, nullptr), QString());
    EXPECT_EQ(formatter->stringForValue(-1, nullptr), QString());
}

TEST_F(Formatters, IndexFormatterGivesEmptyTextOutsideTheIntegers)
{
    const IndexAxisValueFormatter formatter({"a", "b", "c"});
    EXPECT_EQ(formatter.stringForValue(notANumber, nullptr), QString());
    EXPECT_EQ(formatter.stringForValue(infinity, nullptr), QString());
    EXPECT_EQ(formatter.stringForValue(-infinity, nullptr), QString());
    EXPECT_EQ(formatter.stringForValue(1e300, nullptr), QString());
    EXPECT_EQ(formatter.stringForValue(-1e300, nullptr), QString());
    EXPECT_EQ(IndexAxisValueFormatter().stringForValue(0, nullptr), QString());
}
