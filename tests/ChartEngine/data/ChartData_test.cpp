#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartConsole.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double largest = std::numeric_limits<double>::max();

std::shared_ptr<LineChartDataSet> lineSet(std::initializer_list<std::pair<double, double>> points,
                                          AxisDependency axis = AxisDependency::left)
{
    auto set = std::make_shared<LineChartDataSet>(entries(points));
    set->setAxisDependency(axis);
    return set;
}

void expectAxis(const ChartData& data, AxisDependency axis, double min, double max)
{
    EXPECT_EQ(data.getYMin(axis), min);
    EXPECT_EQ(data.getYMax(axis), max);
}

}

TEST(ChartDataBounds, EmptyContainersHoldTheSentinels)
{
    ChartData data;
    EXPECT_EQ(data.xMin(), largest);
    EXPECT_EQ(data.xMax(), -largest);
    data.calcMinMax();
    EXPECT_EQ(data.yMin(), largest);
    EXPECT_EQ(data.yMax(), -largest);
    expectAxis(data, AxisDependency::left, largest, -largest);
    EXPECT_EQ(LineChartData(ChartDataSetList()).xMin(), largest);
}

TEST(ChartDataBounds, SetsOnOneAxisGiveBothAxesTheSameRange)
{
    const LineChartData data({lineSet({{1, 2}, {3, 9}})});
    expectAxis(data, AxisDependency::left, 2, 9);
    expectAxis(data, AxisDependency::right, 2, 9);
    EXPECT_EQ(data.xMin(), 1.0);
    EXPECT_EQ(data.xMax(), 3.0);

    const LineChartData right({lineSet({{1, 2}, {3, 9}}, AxisDependency::right)});
    expectAxis(right, AxisDependency::left, 2, 9);
}

TEST(ChartDataBounds, LeftAndRightAxesSplit)
{
    const LineChartData data({lineSet({{0, 0}, {1, 5}}), lineSet({{0, 100}, {2, 200}}, AxisDependency::right),
                              lineSet({{0, -1}, {1, 1}})});
    expectAxis(data, AxisDependency::left, -1, 5);
    expectAxis(data, AxisDependency::right, 100, 200);
    EXPECT_EQ(data.yMin(), -1.0);
    EXPECT_EQ(data.yMax(), 200.0);
    EXPECT_EQ(data.xMax(), 2.0);
}

TEST(ChartDataBounds, EmptySetsAndNotANumber)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // An empty set brings only its sentinels; a set whose y bounds are not a number takes no part
    // in the overall bounds.
    const LineChartData data({lineSet({}), lineSet({{1, 4}, {2, nan}}), lineSet({{0, 2}, {3, 6}})});
    EXPECT_EQ(data.yMin(), 2.0);
    EXPECT_EQ(data.yMax(), 6.0);
    EXPECT_EQ(data.xMin(), 0.0);
    EXPECT_EQ(data.xMax(), 3.0);
}

TEST(ChartDataBounds, AddingWidensAndRemovingRecomputes)
{
    const auto a = lineSet({{0, 0}, {1, 5}});
    const auto b = lineSet({{0, 10}, {4, 20}});
    LineChartData data({a});
    data.addDataSet(b);
    EXPECT_EQ(data.yMax(), 20.0);
    EXPECT_EQ(data.xMax(), 4.0);

    // Bounds made too wide by removing entries from a set directly stay until recomputed.
    b->removeLast();
    data.addDataSet(lineSet({{0, 1}}));
    EXPECT_EQ(data.yMax(), 20.0);
    data.notifyDataChanged();
    EXPECT_EQ(data.yMax(), 10.0);

    EXPECT_EQ(data.removeDataSet(b), b);
    EXPECT_EQ(data.yMax(), 5.0);
    EXPECT_EQ(data.removeDataSet(b), nullptr);
}

TEST(ChartDataBounds, EntriesWidenOnTheirSetsAxis)
{
    LineChartData data({lineSet({{0, 0}, {1, 5}}), lineSet({{0, 100}}, AxisDependency::right)});
    data.addEntry(entry(7, 300), 1);
    EXPECT_EQ(data.dataSets()[1]->entryCount(), 2);
    EXPECT_EQ(data.xMax(), 7.0);
    expectAxis(data, AxisDependency::right, 100, 300);
    expectAxis(data, AxisDependency::left, 0, 5);

    EXPECT_TRUE(data.removeEntry(data.dataSets()[1]->entryForIndex(1), 1));
    expectAxis(data, AxisDependency::right, 100, 100);
    EXPECT_EQ(data.xMax(), 1.0);
}

TEST(ChartDataBounds, YBoundsOverAnXRange)
{
    LineChartData data({lineSet({{1, 10}, {2, 20}, {3, 30}, {4, 40}})});
    data.calcMinMaxY(1.6, 3.5);
    EXPECT_EQ(data.yMin(), 20.0);
    EXPECT_EQ(data.yMax(), 40.0);
    EXPECT_EQ(data.xMin(), 1.0);
}

TEST(ChartDataBounds, CollectionWritesAndRanges)
{
    LineChartData data({lineSet({{0, 1}}), lineSet({{0, 2}})});
    data.setAt(0, lineSet({{0, 50}}));
    EXPECT_EQ(data.yMax(), 2.0);
    data.swapAt(0, 1);
    EXPECT_EQ(data.dataSets()[1]->yMax(), 50.0);
    EXPECT_EQ(data.yMax(), 2.0);
    data.replaceRange(0, 1, {lineSet({{0, -7}})});
    EXPECT_EQ(data.yMin(), -7.0);
    EXPECT_EQ(data.yMax(), 2.0);
    data.removeFirst(1);
    EXPECT_EQ(data.yMin(), 50.0);
    data.removeLast(1);
    EXPECT_EQ(data.dataSetCount(), 0);
    EXPECT_EQ(data.yMin(), largest);
}

TEST(ChartDataBounds, BadIndicesFindNothingAndChangeNothing)
{
    QStringList lines;
    ChartConsole::setCapture([&](const QString& line) { lines << line; });
    LineChartData data({lineSet({{0, 1}, {2, 3}})});
    data.addEntry(entry(9, 9), 1);
    data.addEntry(entry(9, 9), -1);
    ChartConsole::setCapture({});
    EXPECT_EQ(lines, QStringList(2, QStringLiteral("ChartData.addEntry() - Cannot add Entry because dataSetIndex "
                                                    "too high or too low.")));
    EXPECT_EQ(data.entryCount(), 2);
    EXPECT_EQ(data.xMax(), 2.0);

    EXPECT_FALSE(data.removeEntry(data.dataSets()[0]->entryForIndex(0), 1));
    EXPECT_FALSE(data.removeEntry(data.dataSets()[0]->entryForIndex(0), -1));
    EXPECT_FALSE(data.removeEntryWithXValue(0, 5));
    EXPECT_EQ(data.removeDataSetByIndex(1), nullptr);
    EXPECT_EQ(data.removeDataSetByIndex(-1), nullptr);
    EXPECT_EQ(data.dataSetAtIndex(-1), nullptr);
    EXPECT_EQ(data.at(3), nullptr);
    data.setAt(-1, lineSet({{0, 100}}));
    data.swapAt(0, 4);
    data.removeFirst(2);
    data.removeLast(-1);
    data.removeRange(1, 0);
    data.replaceRange(0, 5, {});
    EXPECT_EQ(data.dataSetCount(), 1);
    EXPECT_EQ(data.entryCount(), 2);
    EXPECT_EQ(data.yMax(), 3.0);
}

TEST(ChartData, EntryForAHighlight)
{
    const auto set = lineSet({{1, 10}, {2, 20}, {2, 25}, {3, 30}});
    const LineChartData data({set});
    EXPECT_EQ(data.entryFor(Highlight(2.1, 24.0, 0, -1)), set->entryForIndex(2));
    EXPECT_EQ(data.entryFor(Highlight(2.9, std::nan(""), 0, -1)), set->entryForIndex(3));
    EXPECT_EQ(data.entryFor(Highlight(2.0, 20.0, 1, -1)), nullptr);
    EXPECT_EQ(data.entryFor(Highlight(2.0, 20.0, -1, -1)), nullptr);
    // A highlight without a value names no entry.
    EXPECT_EQ(data.entryFor(Highlight()), nullptr);
    EXPECT_EQ(data.entryFor(Highlight(std::numeric_limits<double>::infinity(), 20.0, 0, -1)), nullptr);
}

TEST(ChartData, Lookups)
{
    const auto a = lineSet({{0, 0}, {1, 1}, {2, 2}});
    const auto b = lineSet({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, AxisDependency::right);
    const auto c = lineSet({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}});
    a->setLabel(QStringLiteral("PEF"));
    b->setLabel(std::nullopt);
    c->setLabel(QStringLiteral("pef"));
    a->setColor(QColor(1, 2, 3));
    c->setColors({QColor(4, 5, 6), QColor(7, 8, 9)});
    const LineChartData data({a, b, c});

    EXPECT_EQ(data.maxEntryCountSet(), b);
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("pef"), false), c);
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("pef"), true), a);
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("PEF1"), true), nullptr);
    EXPECT_EQ(data.dataSetIndexForLabel(QStringLiteral("pef"), false), 2);
    EXPECT_EQ(data.indexOf(c), 2);
    EXPECT_EQ(data.indexOf(lineSet({})), -1);
    EXPECT_TRUE(data.contains(b));
    EXPECT_EQ(data.getFirstLeft({}), a);
    EXPECT_EQ(data.getFirstRight({}), b);
    EXPECT_EQ(data.entryCount(), 13);
    EXPECT_EQ(data.getDataSetForEntry(c->entryForIndex(3)), c);
    EXPECT_EQ(data.getDataSetForEntry(entry(3, 3)), nullptr);
    EXPECT_EQ(data.colors(), (QList<QColor>{QColor(1, 2, 3), QColor(140, 234, 255), QColor(4, 5, 6), QColor(7, 8, 9)}));
    EXPECT_EQ(ChartData().maxEntryCountSet(), nullptr);
}

TEST(ChartData, SettingsReachEverySet)
{
    const auto a = lineSet({{0, 0}});
    const auto b = lineSet({{0, 0}});
    LineChartData data({a, b});
    EXPECT_TRUE(data.isHighlightEnabled());
    b->setHighlightEnabled(false);
    EXPECT_FALSE(data.isHighlightEnabled());
    data.setHighlightEnabled(true);
    EXPECT_TRUE(a->isHighlightEnabled() && b->isHighlightEnabled());
    data.setDrawValues(false);
    EXPECT_FALSE(a->isDrawValuesEnabled() || b->isDrawValuesEnabled());
    data.setValueTextColor(QColor(1, 1, 1));
    EXPECT_EQ(b->valueColors(), QList<QColor>{QColor(1, 1, 1)});
    data.clearValues();
    EXPECT_EQ(data.dataSetCount(), 0);
    EXPECT_TRUE(data.isHighlightEnabled());
    EXPECT_EQ(data.xMax(), -largest);
}

TEST(ChartData, RemovingByXTakesTheClosestEntry)
{
    const auto set = lineSet({{1, 1}, {2, 5}, {3, 3}});
    LineChartData data({set});
    EXPECT_TRUE(data.removeEntryWithXValue(2.2, 0));
    EXPECT_EQ(set->entryCount(), 2);
    EXPECT_EQ(data.yMax(), 3.0);
}
