#include "ChartEngine/data/ChartDataSet.h"
#include "ChartEngine/data/FoundEntryIndex.h"
#include "ChartEngine/foundation/ChartConsole.h"

#include "DataTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double noY = std::numeric_limits<double>::quiet_NaN();
constexpr auto up = ChartDataSetRounding::up;
constexpr auto down = ChartDataSetRounding::down;
constexpr auto closest = ChartDataSetRounding::closest;

}

TEST(EntrySearch, EachRoundingBetweenTwoEntries)
{
    const ChartDataSet set(entries({{1, 0}, {3, 0}}));
    for (const auto rounding : {up, down, closest}) {
        EXPECT_EQ(set.entryIndex(0.5, noY, rounding), 0);
        EXPECT_EQ(set.entryIndex(1.0, noY, rounding), 0);
        EXPECT_EQ(set.entryIndex(3.0, noY, rounding), 1);
        EXPECT_EQ(set.entryIndex(5.0, noY, rounding), 1);
    }
    EXPECT_EQ(set.entryIndex(2.0, noY, up), 1);
    EXPECT_EQ(set.entryIndex(2.0, noY, down), 0);
    // Equal distance: the entry above wins.
    EXPECT_EQ(set.entryIndex(2.0, noY, closest), 1);
    EXPECT_EQ(set.entryIndex(1.9, noY, closest), 0);
}

TEST(EntrySearch, EmptySetFindsNothing)
{
    const ChartDataSet set;
    for (const auto rounding : {up, down, closest}) {
        EXPECT_EQ(set.entryIndex(1.0, noY, rounding), -1);
        EXPECT_EQ(set.entryIndex(1.0, 2.0, rounding), -1);
    }
    EXPECT_EQ(set.entryForXValue(1.0, noY), nullptr);
    EXPECT_EQ(set.entryForXValue(1.0, noY, up), nullptr);
    EXPECT_TRUE(set.entriesForXValue(1.0).isEmpty());
}

TEST(EntrySearch, NotANumberXFindsTheFirstEntry)
{
    const ChartDataSet set(entries({{1, 0}, {3, 0}}));
    EXPECT_EQ(set.entryIndex(noY, noY, closest), 0);
    EXPECT_EQ(set.entryIndex(noY, noY, down), 0);
}

TEST(EntrySearch, RunsOfEqualXWithEachRounding)
{
    // 0: x 1, 1-3: x 2, 4: x 4
    const ChartDataSet set(entries({{1, 0}, {2, 1}, {2, 2}, {2, 3}, {4, 0}}));
    // Without a y the first entry of the run is taken, whatever the rounding.
    for (const auto rounding : {up, down, closest}) {
        EXPECT_EQ(set.entryIndex(2.0, noY, rounding), 1);
    }
    // Between the run and the next x.
    EXPECT_EQ(set.entryIndex(3.0, noY, up), 4);
    EXPECT_EQ(set.entryIndex(3.0, noY, down), 3);
    EXPECT_EQ(set.entryIndex(3.0, noY, closest), 4);
    EXPECT_EQ(set.entryIndex(2.9, noY, closest), 3);
    // Rounding down into the run lands on its last entry; a y then searches the whole run.
    EXPECT_EQ(set.entryIndex(3.0, 1.2, down), 1);
    EXPECT_EQ(set.entryIndex(1.5, 2.8, up), 3);
    EXPECT_EQ(set.entryIndex(1.5, 2.1, closest), 2);
}

TEST(EntrySearch, NearestYInTheRunTheLaterOneOnATie)
{
    const ChartDataSet set(entries({{1, 0}, {2, 5}, {2, 9}, {2, 7}, {3, 0}}));
    EXPECT_EQ(set.entryIndex(2.0, 8.0, closest), 3);
    EXPECT_EQ(set.entryIndex(2.0, 5.5, closest), 1);
    EXPECT_EQ(set.entryIndex(2.0, 100.0, closest), 2);

    const ChartDataSet pairs(entries({{1, 4}, {1, 6}, {3, 0}, {3, 10}}));
    EXPECT_EQ(pairs.entryIndex(2.0, 10.0, down), 1);
    // x 1 and x 3 are equally far: the run at 3; y 0 and y 10 are equally far: the later.
    EXPECT_EQ(pairs.entryIndex(2.0, 5.0, closest), 3);

    const ChartDataSet run(entries({{2, 1}, {2, 5}, {2, 9}}));
    EXPECT_EQ(run.entryIndex(2.0, noY, closest), 0);
    EXPECT_EQ(run.entryIndex(2.0, 6.0, closest), 1);
    EXPECT_EQ(run.entryIndex(2.0, 8.0, up), 2);
}

TEST(EntrySearch, PastTheLastEntryGivesTheLastWithoutYRefinement)
{
    const ChartDataSet set(entries({{1, 0}, {2, 5}, {2, 9}}));
    EXPECT_EQ(set.entryIndex(7.0, 5.0, closest), 2);
    EXPECT_EQ(set.entryIndex(7.0, 5.0, down), 2);
}

TEST(EntrySearch, EntryForXValueUsesTheIndex)
{
    const auto list = entries({{1, 0}, {3, 1}});
    const ChartDataSet set(list);
    EXPECT_EQ(set.entryForXValue(2.6, noY), list[1]);
    EXPECT_EQ(set.entryForXValue(2.6, noY, down), list[0]);
}

TEST(EntrySearch, EntriesForXValueInPartitionOrder)
{
    const auto a = entries({{1, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 0}});
    const ChartDataSet set(a);
    EXPECT_EQ(set.entriesForXValue(2.0), (ChartDataEntryList{a[2], a[3], a[1]}));
    // The set itself keeps its order.
    EXPECT_EQ(set.entries(), a);

    const auto b = entries({{1, 0}, {2, 1}, {2, 2}});
    EXPECT_EQ(ChartDataSet(b).entriesForXValue(2.0), (ChartDataEntryList{b[1], b[2]}));

    const auto c = entries({{2, 1}, {2, 2}, {3, 0}});
    EXPECT_EQ(ChartDataSet(c).entriesForXValue(2.0), (ChartDataEntryList{c[1], c[0]}));

    EXPECT_TRUE(ChartDataSet(c).entriesForXValue(2.5).isEmpty());
    EXPECT_EQ(ChartDataSet(c).entriesForXValue(3.0), (ChartDataEntryList{c[2]}));
}

// Runs of equal x with repeated values: the index search agrees with the linear search on every
// entry of the set, on equal entries from elsewhere, and on entries the set does not hold.
TEST(EntrySearch, IndexSearchAgreesWithTheLinearSearch)
{
    const ChartDataSet set(entries({{0, 1}, {1, 5}, {1, 2}, {1, 5}, {1, 7}, {2, 2}, {2, 2}, {3, 0}}));
    for (const auto& held : set.entries()) {
        EXPECT_EQ(entryIndexBySearch(set, *held), set.entryIndex(held)) << held->x() << ", " << held->y();
    }
    for (const auto& foreign : entries({{1, 7}, {2, 2}, {1, 3}, {4, 0}, {-1, 1}})) {
        EXPECT_EQ(entryIndexBySearch(set, *foreign), set.entryIndex(foreign)) << foreign->x() << ", " << foreign->y();
    }
}

TEST(EntrySearchDeathTest, AnInvalidRoundingStopsTheProgram)
{
    const ChartDataSet set(entries({{1, 0}, {3, 0}}));
    EXPECT_DEATH(
        {
            ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
            set.entryIndex(2.0, noY, static_cast<ChartDataSetRounding>(7));
        },
        "Unexpected ChartDataSetRounding value 7");
    EXPECT_FALSE(chartDataSetRoundingFromRaw(3).has_value());
    EXPECT_EQ(chartDataSetRoundingFromRaw(2), closest);
}
