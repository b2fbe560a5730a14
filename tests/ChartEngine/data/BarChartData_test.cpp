#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/foundation/ChartConsole.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double largest = std::numeric_limits<double>::max();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<BarChartDataEntry> bar(double x, double y)
{
    return std::make_shared<BarChartDataEntry>(x, y);
}

std::shared_ptr<BarChartDataEntry> stack(double x, const QList<double>& values)
{
    return std::make_shared<BarChartDataEntry>(x, values);
}

void expectRanges(const BarChartDataEntry& entry, const QList<std::pair<double, double>>& expected)
{
    ASSERT_TRUE(entry.ranges().has_value());
    ASSERT_EQ(entry.ranges()->size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entry.ranges()->at(i).from(), expected.at(i).first) << "range " << i;
        EXPECT_EQ(entry.ranges()->at(i).to(), expected.at(i).second) << "range " << i;
    }
}

QStringList capturedLines(const std::function<void()>& action)
{
    QStringList lines;
    ChartConsole::setCapture([&](const QString& line) { lines << line; });
    action();
    ChartConsole::setCapture({});
    return lines;
}

}

TEST(BarChartDataEntry, StackSumsRangesAndSumsFromAnIndexUp)
{
    const BarChartDataEntry entry(1, QList<double>{3, -2, 5});
    EXPECT_TRUE(entry.isStacked());
    EXPECT_EQ(entry.y(), 6.0);
    EXPECT_EQ(entry.positiveSum(), 8.0);
    EXPECT_EQ(entry.negativeSum(), 2.0);
    expectRanges(entry, {{0, 3}, {-2, 0}, {3, 8}});
    EXPECT_EQ(entry.sumBelowStackIndex(1), 3.0);
    EXPECT_EQ(entry.sumBelowStackIndex(0), 6.0);
    EXPECT_EQ(entry.sumBelowStackIndex(2), 5.0);
    EXPECT_EQ(entry.sumBelowStackIndex(3), 0.0);
    EXPECT_EQ(entry.sumBelowStackIndex(-1), 0.0);
    EXPECT_EQ(BarChartDataEntry(1, 4).sumBelowStackIndex(0), 0.0);

    // Negative values stack from the lowest point up to 0; a zero counts as positive.
    expectRanges(BarChartDataEntry(0, QList<double>{-1, -4}), {{-5, -4}, {-4, 0}});
    EXPECT_EQ(BarChartDataEntry(0, QList<double>{-1, -4}).negativeSum(), 5.0);
    expectRanges(BarChartDataEntry(0, QList<double>{2, 0, -1}), {{0, 2}, {2, 2}, {-1, 0}});
}

TEST(BarChartDataEntry, PlainBarsHaveNoStack)
{
    const BarChartDataEntry entry(2, 7, QVariant(QStringLiteral("note")));
    EXPECT_FALSE(entry.isStacked());
    EXPECT_FALSE(entry.ranges().has_value());
    EXPECT_EQ(entry.negativeSum(), 0.0);
    EXPECT_EQ(entry.positiveSum(), 0.0);
    EXPECT_EQ(entry.data().toString(), QStringLiteral("note"));
}

TEST(BarChartDataEntry, SettingTheValuesKeepsOldRangesForAMissingOrEmptyList)
{
    BarChartDataEntry entry(0, QList<double>{1, 2});
    entry.setYValues(std::nullopt);
    EXPECT_EQ(entry.y(), 0.0);
    EXPECT_FALSE(entry.isStacked());
    EXPECT_EQ(entry.positiveSum(), 0.0);
    expectRanges(entry, {{0, 1}, {1, 3}});

    entry.setYValues(QList<double>{});
    EXPECT_TRUE(entry.isStacked());
    EXPECT_EQ(entry.y(), 0.0);
    expectRanges(entry, {{0, 1}, {1, 3}});

    entry.setYValues(QList<double>{-3, 4});
    EXPECT_EQ(entry.y(), 1.0);
    expectRanges(entry, {{-3, 0}, {0, 4}});
}

TEST(BarChartDataEntry, CopyKeepsTheClassAndTheStackButNotTheRanges)
{
    const BarChartDataEntry entry(4, QList<double>{3, -2, 5}, QVariant(7));
    const auto copy = std::dynamic_pointer_cast<BarChartDataEntry>(entry.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->x(), 4.0);
    EXPECT_EQ(copy->y(), 6.0);
    EXPECT_EQ(copy->yValues(), entry.yValues());
    EXPECT_EQ(copy->positiveSum(), 8.0);
    EXPECT_EQ(copy->negativeSum(), 2.0);
    EXPECT_EQ(copy->data(), QVariant(7));
    EXPECT_FALSE(copy->ranges().has_value());
    copy->calcRanges();
    expectRanges(*copy, {{0, 3}, {-2, 0}, {3, 8}});
}

TEST(BarChartDataSet, InitialValues)
{
    for (const auto& set : {std::make_shared<BarChartDataSet>(), std::make_shared<BarChartDataSet>(QStringLiteral("B")),
                            std::make_shared<BarChartDataSet>(ChartDataEntryList{bar(1, 2)})}) {
        EXPECT_EQ(set->highlightColor(), QColor(0, 0, 0));
        EXPECT_EQ(set->barShadowColor(), QColor(215, 215, 215));
        EXPECT_EQ(set->barBorderWidth(), 0.0);
        EXPECT_EQ(set->barBorderColor(), QColor(0, 0, 0));
        EXPECT_EQ(set->highlightAlpha(), 120.0 / 255.0);
        EXPECT_TRUE(set->stackLabels().isEmpty());
        EXPECT_EQ(set->stackSize(), 1);
        EXPECT_FALSE(set->isStacked());
        EXPECT_EQ(set->highlightLineWidth(), 0.5);
    }
    EXPECT_EQ(BarChartDataSet().entryCountStacks(), 0);
}

TEST(BarChartDataSet, StacksAreCountedOnceWhenTheSetIsMade)
{
    BarChartDataSet set({stack(0, {4}), stack(1, {1, 2, 3}), bar(2, 5)});
    EXPECT_EQ(set.stackSize(), 3);
    EXPECT_TRUE(set.isStacked());
    EXPECT_EQ(set.entryCountStacks(), 5);

    set.addEntry(stack(3, {1, 1, 1, 1}));
    EXPECT_EQ(set.stackSize(), 3);
    EXPECT_EQ(set.entryCountStacks(), 5);

    // An empty stack counts no bar.
    EXPECT_EQ(BarChartDataSet({stack(0, {}), bar(1, 1)}).entryCountStacks(), 1);
}

TEST(BarChartDataSet, ConstructionAppliesTheBarBoundsRule)
{
    // The stack (-3, 4) spans [-3, 4] though its y is 1; the NaN bar takes no part, not even in x.
    const BarChartDataSet set({stack(1, {-3, 4}), bar(2, 2), bar(9, notANumber)});
    EXPECT_EQ(set.yMin(), -3.0);
    EXPECT_EQ(set.yMax(), 4.0);
    EXPECT_EQ(set.xMin(), 1.0);
    EXPECT_EQ(set.xMax(), 2.0);

    // A plain entry is not a bar entry and is skipped.
    const BarChartDataSet mixed({entry(5, 50), bar(1, 2)});
    EXPECT_EQ(mixed.yMax(), 2.0);
    EXPECT_EQ(mixed.xMax(), 1.0);
    EXPECT_EQ(BarChartDataSet({entry(5, 50)}).xMin(), largest);
}

TEST(BarChartDataSet, CopyCarriesTheBarPropertiesIntoABarSet)
{
    BarChartDataSet set({stack(0, {1, 2}), bar(1, 3)}, QStringLiteral("bars"));
    set.setStackLabels({QStringLiteral("a"), QStringLiteral("b")});
    set.setBarShadowColor(QColor(1, 2, 3));
    set.setBarBorderWidth(2);
    set.setBarBorderColor(QColor(4, 5, 6));
    set.setHighlightAlpha(0.25);
    set.setHighlightColor(QColor(7, 8, 9));
    set.setHighlightLineWidth(3);

    const auto copy = std::dynamic_pointer_cast<BarChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->label(), QStringLiteral("bars"));
    EXPECT_EQ(copy->entries(), set.entries());
    EXPECT_EQ(copy->stackSize(), 2);
    EXPECT_EQ(copy->entryCountStacks(), 3);
    EXPECT_EQ(copy->stackLabels(), set.stackLabels());
    EXPECT_EQ(copy->barShadowColor(), QColor(1, 2, 3));
    EXPECT_EQ(copy->barBorderWidth(), 2.0);
    EXPECT_EQ(copy->barBorderColor(), QColor(4, 5, 6));
    EXPECT_EQ(copy->highlightAlpha(), 0.25);
    EXPECT_EQ(copy->highlightColor(), QColor(7, 8, 9));
    EXPECT_EQ(copy->highlightLineWidth(), 3.0);
    EXPECT_EQ(copy->yMax(), 3.0);
}

TEST(BarChartData, GroupWidthAndDefaultBarWidth)
{
    EXPECT_EQ(BarChartData().barWidth(), 0.85);
    EXPECT_EQ(BarChartData({std::make_shared<BarChartDataSet>()}).barWidth(), 0.85);
    BarChartData data({std::make_shared<BarChartDataSet>(), std::make_shared<BarChartDataSet>(),
                       std::make_shared<BarChartDataSet>()});
    data.setBarWidth(0.75);
    EXPECT_EQ(data.groupWidth(0.5, 0.25), 3.5);
}

TEST(BarChartData, GroupingPlacesTheBarsOfEachGroupSideBySide)
{
    const auto first = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar(0, 1), bar(1, 2)});
    const auto second = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar(0, 3), bar(1, 4)});
    BarChartData data({first, second});
    data.setBarWidth(0.5);
    EXPECT_EQ(data.groupWidth(0.5, 0.25), 2.0);
    data.groupBars(0, 0.5, 0.25);
    EXPECT_EQ(first->entries().at(0)->x(), 0.625);
    EXPECT_EQ(second->entries().at(0)->x(), 1.375);
    EXPECT_EQ(first->entries().at(1)->x(), 2.625);
    EXPECT_EQ(second->entries().at(1)->x(), 3.375);
    // The container's bounds are recomputed from the sets' own, which are not.
    EXPECT_EQ(data.xMax(), 1.0);
    first->notifyDataSetChanged();
    second->notifyDataSetChanged();
    data.notifyDataChanged();
    EXPECT_EQ(data.xMin(), 0.625);
    EXPECT_EQ(data.xMax(), 3.375);
}

TEST(BarChartData, AShortSetLeavesItsSlotEmpty)
{
    const auto shortSet = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar(0, 1)});
    const auto longSet = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar(0, 1), bar(1, 1), bar(2, 1)});
    BarChartData data({shortSet, longSet});
    data.setBarWidth(0.5);
    data.groupBars(10, 0.5, 0.25);
    EXPECT_EQ(shortSet->entries().at(0)->x(), 10.625);
    EXPECT_EQ(longSet->entries().at(0)->x(), 11.375);
    EXPECT_EQ(longSet->entries().at(1)->x(), 13.375);
    EXPECT_EQ(longSet->entries().at(2)->x(), 15.375);
}

TEST(BarChartData, GroupingOneSetOrNone)
{
    const auto set = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar(0, 1), bar(1, 1)});
    BarChartData one({set});
    one.setBarWidth(0.5);
    EXPECT_TRUE(capturedLines([&] { one.groupBars(0, 0.5, 0.25); }).isEmpty());
    EXPECT_EQ(set->entries().at(0)->x(), 0.625);
    EXPECT_EQ(set->entries().at(1)->x(), 1.875);

    BarChartData empty;
    EXPECT_EQ(capturedLines([&] { empty.groupBars(0, 0.5, 0.25); }),
              QStringList{QStringLiteral("BarData needs to hold at least 2 BarDataSets to allow grouping.")});
    EXPECT_EQ(empty.xMin(), largest);
}
