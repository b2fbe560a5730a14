#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/data/LineChartDataSet.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace Charts::Testing;

namespace {

std::shared_ptr<BubbleChartDataEntry> bubble(double x, double y, double size)
{
    return std::make_shared<BubbleChartDataEntry>(x, y, size);
}

}

TEST(BubbleChartDataEntry, SizeAndCopy)
{
    const BubbleChartDataEntry entry(1, 2, 3, QVariant(4));
    const auto copy = std::dynamic_pointer_cast<BubbleChartDataEntry>(entry.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->x(), 1.0);
    EXPECT_EQ(copy->y(), 2.0);
    EXPECT_EQ(copy->size(), 3.0);
    EXPECT_EQ(copy->data(), QVariant(4));
    EXPECT_EQ(BubbleChartDataEntry().size(), 0.0);
}

TEST(BubbleChartDataSet, InitialValuesKeepTheOrangeHighlight)
{
    const BubbleChartDataSet set;
    EXPECT_EQ(set.maxSize(), 0.0);
    EXPECT_TRUE(set.isNormalizeSizeEnabled());
    EXPECT_EQ(set.highlightCircleWidth(), 2.5);
    EXPECT_EQ(set.highlightColor(), QColor(255, 187, 115));
}

TEST(BubbleChartDataSet, ConstructionAppliesTheBubbleRuleAndMaxSizeNeverShrinks)
{
    // The plain entry is not a bubble and takes no part.
    BubbleChartDataSet set({bubble(1, 5, 3), bubble(2, 1, 12), bubble(3, 9, 7), entry(40, 100)});
    EXPECT_EQ(set.maxSize(), 12.0);
    EXPECT_EQ(set.xMax(), 3.0);
    EXPECT_EQ(set.yMax(), 9.0);
    EXPECT_EQ(set.yMin(), 1.0);

    EXPECT_TRUE(set.removeEntryWithIndex(1));
    EXPECT_EQ(set.yMin(), 5.0);
    EXPECT_EQ(set.maxSize(), 12.0);

    EXPECT_EQ(BubbleChartDataSet({bubble(0, 0, -4)}).maxSize(), 0.0);
}

TEST(BubbleChartDataSet, CopyKeepsTheBoundsAndMaxSizeAsStored)
{
    BubbleChartDataSet set({bubble(1, 5, 3), bubble(2, 1, 12)});
    set.removeLast();
    set.setNormalizeSizeEnabled(false);
    set.setHighlightCircleWidth(4);
    set.entries().at(0)->setX(-10); // no recomputation

    const auto copy = std::dynamic_pointer_cast<BubbleChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->maxSize(), 12.0);
    EXPECT_EQ(copy->xMin(), 1.0);
    EXPECT_EQ(copy->xMax(), 1.0);
    EXPECT_FALSE(copy->isNormalizeSizeEnabled());
    EXPECT_EQ(copy->highlightCircleWidth(), 4.0);
}

TEST(BubbleChartData, HighlightCircleWidthIsAllOrNothing)
{
    const auto first = std::make_shared<BubbleChartDataSet>();
    const auto second = std::make_shared<BubbleChartDataSet>();
    BubbleChartData bubbles({first, second});
    bubbles.setHighlightCircleWidth(6);
    EXPECT_EQ(first->highlightCircleWidth(), 6.0);
    EXPECT_EQ(second->highlightCircleWidth(), 6.0);

    const auto alone = std::make_shared<BubbleChartDataSet>();
    BubbleChartData mixed({alone, std::make_shared<LineChartDataSet>()});
    mixed.setHighlightCircleWidth(6);
    EXPECT_EQ(alone->highlightCircleWidth(), 2.5);
}
