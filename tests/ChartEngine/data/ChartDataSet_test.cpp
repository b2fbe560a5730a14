#include "ChartEngine/data/ChartDataSet.h"
#include "ChartEngine/foundation/ChartConsole.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double largest = std::numeric_limits<double>::max();

void expectBounds(const ChartDataSet& set, double xMin, double xMax, double yMin, double yMax)
{
    EXPECT_EQ(set.xMin(), xMin);
    EXPECT_EQ(set.xMax(), xMax);
    EXPECT_EQ(set.yMin(), yMin);
    EXPECT_EQ(set.yMax(), yMax);
}

void expectSentinels(const ChartDataSet& set)
{
    expectBounds(set, largest, -largest, largest, -largest);
}

}

TEST(ChartDataSetBounds, NewSetsHoldTheSentinels)
{
    expectSentinels(ChartDataSet());
    expectSentinels(ChartDataSet(QStringLiteral("PEF")));
    expectSentinels(ChartDataSet(ChartDataEntryList()));
}

TEST(ChartDataSetBounds, ComputedFromTheEntriesAtConstruction)
{
    const ChartDataSet set(entries({{1, 5}, {2, -3}, {4, 8}}));
    expectBounds(set, 1, 4, -3, 8);
    EXPECT_EQ(set.label(), QStringLiteral("DataSet"));
}

TEST(ChartDataSetBounds, AddingOnlyWidens)
{
    ChartDataSet set(entries({{1, 5}, {2, -3}, {4, 8}}));
    const auto added = entry(0, 100);
    EXPECT_TRUE(set.addEntry(added));
    expectBounds(set, 0, 4, -3, 100);
    EXPECT_EQ(set.entries().last(), added);

    set.append(entries({{9, -50}}));
    expectBounds(set, 0, 9, -50, 100);
}

TEST(ChartDataSetBounds, ElementWriteWidensByTheNewEntryAndKeepsTheOldOnesValues)
{
    ChartDataSet set(entries({{1, 5}, {2, -3}, {4, 8}}));
    set.setAt(2, entry(3, 0));
    EXPECT_EQ(set.yMax(), 8.0);
    EXPECT_EQ(set.xMax(), 4.0);
    set.notifyDataSetChanged();
    expectBounds(set, 1, 3, -3, 5);
}

TEST(ChartDataSetBounds, RemovalRecomputesButAMissLeavesTheBounds)
{
    ChartDataSet set(entries({{1, 5}, {2, -3}, {4, 8}}));
    EXPECT_TRUE(set.removeEntry(entry(4, 8)));
    expectBounds(set, 1, 2, -3, 5);

    // Bounds made stale on purpose stay as they are when nothing is removed.
    set.addEntry(entry(50, 50));
    set.setEntries(entries({{1, 5}}));
    EXPECT_FALSE(set.removeEntry(entry(7, 7)));
    expectBounds(set, 1, 50, -3, 50);
}

TEST(ChartDataSetBounds, DirectWritesLeaveTheBoundsUntilNotified)
{
    ChartDataSet set(entries({{1, 5}, {2, -3}}));
    set.setEntries(entries({{10, 10}}));
    expectBounds(set, 1, 2, -3, 5);
    set.entries().first()->setY(-20);
    expectBounds(set, 1, 2, -3, 5);
    set.notifyDataSetChanged();
    expectBounds(set, 10, 10, -20, -20);

    set.replaceEntries(entries({{3, 1}, {4, 2}}));
    expectBounds(set, 3, 4, 1, 2);
}

TEST(ChartDataSetBounds, NotANumberReplacesBothBoundsUntilTheNextNumber)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ChartDataSet set(entries({{1, 5}, {2, nan}}));
    EXPECT_TRUE(std::isnan(set.yMin()));
    EXPECT_TRUE(std::isnan(set.yMax()));
    EXPECT_EQ(set.xMax(), 2.0);

    const ChartDataSet healed(entries({{1, nan}, {2, 7}, {3, 4}}));
    EXPECT_EQ(healed.yMin(), 4.0);
    EXPECT_EQ(healed.yMax(), 7.0);
}

TEST(ChartDataSetBounds, YBoundsOverAnXRange)
{
    ChartDataSet set(entries({{1, 10}, {2, 20}, {3, 30}, {4, 40}}));
    set.calcMinMaxY(1.6, 3.5);
    expectBounds(set, 1, 4, 20, 40);
    set.calcMinMaxY(5, 6);
    expectBounds(set, 1, 4, 40, 40);
    set.calcMinMaxY(3.5, 1.6);
    expectBounds(set, 1, 4, largest, -largest);

    ChartDataSet empty;
    empty.calcMinMaxY(0, 1);
    expectSentinels(empty);
}

TEST(ChartDataSetBounds, ClearAndTheRemovalsRecompute)
{
    ChartDataSet set(entries({{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_TRUE(set.removeFirst());
    expectBounds(set, 2, 4, 2, 4);
    EXPECT_TRUE(set.removeLast());
    expectBounds(set, 2, 3, 2, 3);
    set.clear();
    EXPECT_EQ(set.entryCount(), 0);
    expectSentinels(set);
    EXPECT_FALSE(set.removeFirst());
    EXPECT_FALSE(set.removeLast());
}

TEST(ChartDataSetEditing, OrderedInsertion)
{
    ChartDataSet set(entries({{1, 0}, {2, 0}, {4, 0}, {5, 0}}));
    const auto three = entry(3, 1);
    set.addEntryOrdered(three);
    EXPECT_EQ(set.entryIndex(three), 2);
    EXPECT_EQ(set.entryForIndex(2), three);
    const auto six = entry(6, 1);
    set.addEntryOrdered(six);
    EXPECT_EQ(set.entries().last(), six);
    const auto zero = entry(0, 1);
    set.addEntryOrdered(zero);
    EXPECT_EQ(set.entries().first(), zero);
    expectBounds(set, 0, 6, 0, 1);
}

TEST(ChartDataSetEditing, OrderedInsertionIntoARunGoesBeforeTheNearestY)
{
    ChartDataSet set(entries({{1, 0}, {2, 1}, {2, 9}, {3, 0}}));
    const auto added = entry(2, 8);
    set.addEntryOrdered(added);
    EXPECT_EQ(set.entryForIndex(2), added);
}

TEST(ChartDataSetEditing, RemovingByIndexRemovesTheFirstEqualEntry)
{
    const auto list = entries({{1, 1}, {2, 2}, {1, 1}, {1, 1}});
    ChartDataSet set(list);
    EXPECT_TRUE(set.removeEntryWithIndex(3));
    EXPECT_EQ(set.entries(), (ChartDataEntryList{list[1], list[2], list[3]}));
    EXPECT_FALSE(set.removeEntryWithIndex(3));
    EXPECT_FALSE(set.removeEntryWithIndex(-1));
}

TEST(ChartDataSetEditing, RemovingByXTakesTheClosestEntry)
{
    const auto list = entries({{1, 0}, {2, 0}, {3, 0}});
    ChartDataSet set(list);
    EXPECT_TRUE(set.removeEntryWithX(2.4));
    EXPECT_EQ(set.entries(), (ChartDataEntryList{list[0], list[2]}));
    ChartDataSet empty;
    EXPECT_FALSE(empty.removeEntryWithX(1));
}

TEST(ChartDataSetEditing, ContainsAnswersWhetherAnEqualEntryIsHeld)
{
    const ChartDataSet set(entries({{1, 1}, {2, 2}}));
    EXPECT_TRUE(set.contains(entry(2, 2)));
    EXPECT_FALSE(set.contains(entry(2, 3)));
    EXPECT_FALSE(set.contains(nullptr));
    EXPECT_FALSE(ChartDataSet().contains(entry(0, 0)));
}

TEST(ChartDataSetEditing, EntryAccessOutsideTheListAnswersNone)
{
    const ChartDataSet set(entries({{1, 1}}));
    EXPECT_NE(set.entryForIndex(0), nullptr);
    EXPECT_EQ(set.entryForIndex(1), nullptr);
    EXPECT_EQ(set.entryForIndex(-1), nullptr);
    EXPECT_EQ(set.entryIndex(entry(5, 5)), -1);
}

TEST(ChartDataSetCollection, InsertionsAndRangesRecompute)
{
    ChartDataSet set(entries({{1, 1}, {2, 2}, {3, 3}}));
    set.insert(0, entry(0, -5));
    expectBounds(set, 0, 3, -5, 3);
    EXPECT_EQ(set.removeAt(0)->y(), -5.0);
    expectBounds(set, 1, 3, 1, 3);
    set.replaceRange(1, 3, entries({{7, 70}}));
    EXPECT_EQ(set.entryCount(), 2);
    expectBounds(set, 1, 7, 1, 70);
    set.removeRange(0, 1);
    expectBounds(set, 7, 7, 70, 70);

    set.replaceEntries(entries({{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    set.removeFirst(2);
    expectBounds(set, 3, 4, 3, 4);
    set.removeLast(1);
    expectBounds(set, 3, 3, 3, 3);

    set.replaceEntries(entries({{1, 1}, {2, -2}, {3, 3}}));
    set.removeAll([](const ChartDataEntry& e) { return e.y() > 0; });
    EXPECT_EQ(set.entryCount(), 1);
    expectBounds(set, 2, 2, -2, -2);
}

TEST(ChartDataSetCollectionDeathTest, IndexOutsideTheEntriesStops)
{
    const auto stop = [](auto action) {
        ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
        action();
    };
    ChartDataSet set(entries({{1, 1}}));
    EXPECT_DEATH(stop([&] { set.at(1); }), "Index out of range");
    EXPECT_DEATH(stop([&] { set.setAt(-1, entry(0, 0)); }), "Index out of range");
    EXPECT_DEATH(stop([&] { set.removeAt(3); }), "Index out of range");
    EXPECT_DEATH(stop([&] { set.removeRange(0, 2); }), "Range out of bounds");
    EXPECT_DEATH(stop([&] { set.removeFirst(2); }), "Range out of bounds");
}

TEST(ChartDataSetCopy, SharesEntriesAndKeepsTheStoredBounds)
{
    ChartDataSet set(entries({{1, 5}, {2, -3}}), QStringLiteral("PEF"));
    set.addEntry(entry(3, 1));
    set.setEntries(entries({{1, 5}}));
    const auto copy = std::dynamic_pointer_cast<ChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->entries(), set.entries());
    expectBounds(*copy, 1, 3, -3, 5);
    EXPECT_EQ(copy->label(), QStringLiteral("PEF"));

    // The entry objects are shared: a change through the copy shows in the source.
    copy->entries().first()->setY(42);
    EXPECT_EQ(set.entries().first()->y(), 42.0);
    EXPECT_EQ(set.yMax(), 5.0);
}
