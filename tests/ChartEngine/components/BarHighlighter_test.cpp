#include "ChartEngine/components/BarHighlighter.h"

#include "ChartEngine/types/BarChartView.h"

#include "ChartEngine/types/BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Charts;
using namespace BarTesting;

TEST(BarHighlighter, ClosestStackIndexIsTheSegmentHoldingTheValue)
{
    const QList<Range> ranges = {Range(0, 3), Range(3, 5), Range(5, 9)};
    struct Case {
        std::optional<QList<Range>> ranges;
        double value;
        qint64 index;
    };
    const Case cases[] = {
        {ranges, 4, 1}, {ranges, 3, 0}, {ranges, 9, 2}, {ranges, 12, 2},
        {ranges, 0, 0}, {ranges, -1, 0}, {std::nullopt, 4, 0}, {QList<Range>{}, 4, 0},
    };
    BarHighlighter highlighter(nullptr);
    for (const Case& c : cases) {
        EXPECT_EQ(highlighter.getClosestStackIndex(c.ranges, c.value), c.index) << c.value;
    }
}

TEST(BarHighlighter, ATouchOnAStackedSetSelectsTheSegmentUnderIt)
{
    struct Case {
        const char* name;
        double x;
        double touchY;
        // none: no highlight.
        std::optional<qint64> stackIndex;
        double y;
        double yPx;
    };
    // x 0..10 at 23 px a unit from 35, y 0..10 at 12.5 px a unit up from 140.
    const Case cases[] = {
        {"segment", 0, 4, 1, 9, 140 - 12.5 * 5},
        {"plain entry", 1, 1, -1, 2, 140 - 12.5 * 2},
        {"stack without values", 2, 1, std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        auto view = fixtureView<BarChartView>(
            barData({barSet({QList<double>{3, 2, 4}, 2.0, QList<double>{}})}));
        const auto high = view->highlighter()->getHighlight(35 + 23 * c.x, 140 - 12.5 * c.touchY);
        ASSERT_EQ(high != nullptr, c.stackIndex.has_value()) << c.name;
        if (!high) {
            continue;
        }
        EXPECT_EQ(high->stackIndex(), *c.stackIndex) << c.name;
        EXPECT_EQ(high->x(), c.x) << c.name;
        EXPECT_EQ(high->y(), c.y) << c.name;
        EXPECT_EQ(high->yPx(), c.yPx) << c.name;
        EXPECT_EQ(high->dataIndex(), c.stackIndex == 1 ? 0 : -1) << c.name;
    }
}

TEST(BarHighlighter, OnlyTheHorizontalDistanceCounts)
{
    // Two sets with bars at x 1: the earlier set wins at any height of the touch.
    auto view = fixtureView<BarChartView>(barData({barSet({0.0, 1.0}), barSet({0.0, 9.0})}));
    for (const double touchY : {140.0, 40.0, 15.0}) {
        const auto high = view->highlighter()->getHighlight(60, touchY);
        ASSERT_NE(high, nullptr) << touchY;
        EXPECT_EQ(high->dataSetIndex(), 0) << touchY;
        EXPECT_EQ(high->x(), 1.0) << touchY;
    }
}
