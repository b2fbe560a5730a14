#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace Charts::Testing;

namespace {

std::shared_ptr<CandleChartDataEntry> candle(double x, double high, double low)
{
    return std::make_shared<CandleChartDataEntry>(x, high, low, low, high);
}

}

TEST(CandleChartDataEntry, YIsTheMiddleOfTheShadow)
{
    CandleChartDataEntry entry(1, 10, 4, 5, 9);
    EXPECT_EQ(entry.y(), 7.0);
    EXPECT_EQ(entry.shadowRange(), 6.0);
    EXPECT_EQ(entry.bodyRange(), 4.0);
    entry.setY(100);
    EXPECT_EQ(entry.y(), 7.0);
    entry.setHigh(20);
    EXPECT_EQ(entry.y(), 7.0);
    entry.setY(0);
    EXPECT_EQ(entry.y(), 12.0);
}

TEST(CandleChartDataEntry, CopyCarriesTheFourValues)
{
    const CandleChartDataEntry entry(1, 10, 4, 5, 9, QVariant(3));
    const auto copy = std::dynamic_pointer_cast<CandleChartDataEntry>(entry.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->y(), 7.0);
    EXPECT_EQ(copy->high(), 10.0);
    EXPECT_EQ(copy->low(), 4.0);
    EXPECT_EQ(copy->open(), 5.0);
    EXPECT_EQ(copy->close(), 9.0);
    EXPECT_EQ(copy->data(), QVariant(3));
}

TEST(CandleChartDataSet, ConstructionBoundsSpanLowsAndHighs)
{
    CandleChartDataSet set({candle(0, 5, 1), candle(1, 4, 3), entry(2, 100)});
    EXPECT_EQ(set.yMin(), 1.0);
    EXPECT_EQ(set.yMax(), 5.0);
    EXPECT_EQ(set.xMax(), 1.0);
    set.calcMinMaxY(0, 1);
    EXPECT_EQ(set.yMin(), 1.0);
    EXPECT_EQ(set.yMax(), 5.0);
    set.calcMinMaxY(1, 2);
    EXPECT_EQ(set.yMin(), 3.0);
    EXPECT_EQ(set.yMax(), 4.0);
}

TEST(CandleChartDataSet, InitialValuesAndBarSpaceClamp)
{
    CandleChartDataSet set;
    EXPECT_EQ(set.barSpace(), 0.1);
    EXPECT_TRUE(set.showCandleBar());
    EXPECT_EQ(set.shadowWidth(), 1.5);
    EXPECT_FALSE(set.shadowColor().has_value());
    EXPECT_FALSE(set.isShadowColorSameAsCandle());
    EXPECT_FALSE(set.neutralColor() || set.increasingColor() || set.decreasingColor());
    EXPECT_FALSE(set.isIncreasingFilled());
    EXPECT_TRUE(set.isDecreasingFilled());
    EXPECT_TRUE(set.isHorizontalHighlightIndicatorEnabled());

    set.setBarSpace(0.6);
    EXPECT_EQ(set.barSpace(), 0.45);
    set.setBarSpace(-0.2);
    EXPECT_EQ(set.barSpace(), 0.0);
    set.setBarSpace(0.3);
    EXPECT_EQ(set.barSpace(), 0.3);
}

TEST(CandleChartDataSet, CopyIsACandleSetWithTheCandleStyleReset)
{
    CandleChartDataSet set({candle(0, 5, 1)}, QStringLiteral("prices"));
    set.setBarSpace(0.3);
    set.setIncreasingFilled(true);
    set.setDrawVerticalHighlightIndicatorEnabled(false);
    set.setHighlightLineWidth(2);

    const auto copy = std::dynamic_pointer_cast<CandleChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->barSpace(), 0.1);
    EXPECT_FALSE(copy->isIncreasingFilled());
    EXPECT_EQ(copy->entries(), set.entries());
    EXPECT_EQ(copy->label(), QStringLiteral("prices"));
    EXPECT_FALSE(copy->isVerticalHighlightIndicatorEnabled());
    EXPECT_EQ(copy->highlightLineWidth(), 2.0);
    EXPECT_EQ(copy->yMin(), 1.0);
}

TEST(CandleChartData, HoldsCandleSets)
{
    const CandleChartData data({std::make_shared<CandleChartDataSet>(ChartDataEntryList{candle(3, 8, 2)})});
    EXPECT_EQ(data.yMin(), 2.0);
    EXPECT_EQ(data.yMax(), 8.0);
    EXPECT_EQ(data.xMin(), 3.0);
}
