#include "ChartEngine/components/AxisBase.h"
#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/foundation/DefaultAxisValueFormatter.h"
#include "ChartEngine/foundation/NumberFormatter.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace Charts {
namespace {

TEST(AxisBase, LabelCountIsClampedToItsBoundsAndEveryWriteClearsForcing)
{
    const struct {
        std::function<void(AxisBase&)> write;
        qint64 count;
        bool forced;
    } cases[] = {
        {[](AxisBase& a) { a.setLabelCount(1); }, 2, false},
        {[](AxisBase& a) { a.setLabelCount(100); }, 25, false},
        {[](AxisBase& a) { a.setLabelCount(30, true); }, 25, true},
        {[](AxisBase& a) { a.setAxisMinLabels(0); a.setAxisMinLabels(-3); a.setLabelCount(1); },
         2, false},
        {[](AxisBase& a) { a.setAxisMaxLabels(10); a.setLabelCount(12); }, 10, false},
        // The bounds never re-clamp the stored count.
        {[](AxisBase& a) { a.setLabelCount(20); a.setAxisMaxLabels(10); }, 20, false},
    };
    for (const auto& c : cases) {
        AxisBase axis;
        axis.setForceLabelsEnabled(true);
        c.write(axis);
        EXPECT_EQ(axis.labelCount(), c.count);
        EXPECT_EQ(axis.isForceLabelsEnabled(), c.forced);
    }
}

TEST(AxisBase, DefaultFormatterFollowsTheAxisDecimalsOnEveryRead)
{
    AxisBase axis;
    const std::shared_ptr<AxisValueFormatter> formatter = axis.valueFormatter();
    EXPECT_EQ(formatter->stringForValue(1234.5678, &axis), QStringLiteral("1,235"));

    axis.setDecimals(2);
    EXPECT_EQ(axis.valueFormatter(), formatter);
    EXPECT_EQ(formatter->stringForValue(1234.5678, &axis), QStringLiteral("1,234.57"));

    // A formatter of the caller's keeps its digits.
    auto own = std::make_shared<DefaultAxisValueFormatter>(std::make_shared<NumberFormatter>());
    axis.setValueFormatter(own);
    EXPECT_EQ(axis.valueFormatter(), own);
    EXPECT_EQ(own->decimals(), std::nullopt);

    axis.setValueFormatter(nullptr);
    const std::shared_ptr<AxisValueFormatter> fresh = axis.valueFormatter();
    EXPECT_NE(fresh, own);
    EXPECT_EQ(fresh->stringForValue(0.5, &axis), QStringLiteral("0.50"));
}

TEST(AxisBase, LongestLabelCountsUserPerceivedCharacters)
{
    // "e" with a combining accent and a flag are one character each, "ab" and "cd" two.
    const QStringList labels{QStringLiteral("e\u0301"), QStringLiteral("ab"),
                             QStringLiteral("\U0001F1E9\U0001F1EA"), QStringLiteral("cd")};
    AxisBase axis;
    axis.setValueFormatter(DefaultAxisValueFormatter::withBlock(
        [&](double value, const AxisBase*) { return labels.at(qsizetype(value)); }));
    axis.setEntries({0, 1, 2, 3});
    EXPECT_EQ(axis.getLongestLabel(), QStringLiteral("ab"));
    EXPECT_EQ(axis.getFormattedLabel(-1), QString());
    EXPECT_EQ(axis.getFormattedLabel(4), QString());
}

TEST(AxisBase, RangeFromDataSpacesAndFixedEnds)
{
    const struct {
        std::function<void(AxisBase&)> setUp;
        double dataMin;
        double dataMax;
        double minimum;
        double maximum;
    } cases[] = {
        {[](AxisBase&) {}, 3, 3, 2, 4},
        {[](AxisBase& a) { a.setSpaceMin(1); a.setSpaceMax(1); }, 0, 10, -1, 11},
        {[](AxisBase& a) { a.setAxisMinimum(50); a.setAxisMaximum(900); }, 0, 10, 50, 900},
        // Equal fixed ends are pushed apart as well.
        {[](AxisBase& a) { a.setAxisMinimum(5); a.setAxisMaximum(5); }, 0, 10, 4, 6},
        {[](AxisBase&) {}, 10, 5, 10, 5},
        {[](AxisBase& a) { a.setAxisMinimum(7); a.resetCustomAxisMin(); }, 1, 10, 1, 10},
    };
    for (const auto& c : cases) {
        AxisBase axis;
        c.setUp(axis);
        const bool minCustom = axis.isAxisMinCustom();
        const bool maxCustom = axis.isAxisMaxCustom();
        axis.calculate(c.dataMin, c.dataMax);
        EXPECT_EQ(axis.axisMinimum(), c.minimum);
        EXPECT_EQ(axis.axisMaximum(), c.maximum);
        EXPECT_EQ(axis.axisRange(), std::abs(c.maximum - c.minimum));
        EXPECT_EQ(axis.isAxisMinCustom(), minCustom);
        EXPECT_EQ(axis.isAxisMaxCustom(), maxCustom);
    }
}

TEST(AxisBase, RemovingALimitLineTakesOutItsFirstOccurrenceOnly)
{
    const auto first = std::make_shared<ChartLimitLine>(10.0);
    const auto second = std::make_shared<ChartLimitLine>(10.0);
    AxisBase axis;
    axis.addLimitLine(first);
    axis.addLimitLine(second);
    axis.addLimitLine(first);
    axis.removeLimitLine(std::make_shared<ChartLimitLine>(10.0));
    axis.removeLimitLine(first);
    EXPECT_EQ(axis.limitLines(), (QList<std::shared_ptr<ChartLimitLine>>{second, first}));
}

}
}
