#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartConsole.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double largest = std::numeric_limits<double>::max();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

std::shared_ptr<LineChartDataSet> lineSet(ChartDataEntryList list)
{
    return std::make_shared<LineChartDataSet>(std::move(list));
}

std::shared_ptr<BarChartDataSet> barSet(std::initializer_list<std::pair<double, double>> points)
{
    ChartDataEntryList list;
    for (const auto& [x, y] : points) {
        list.append(std::make_shared<BarChartDataEntry>(x, y));
    }
    auto set = std::make_shared<BarChartDataSet>(list);
    set->setAxisDependency(AxisDependency::right);
    return set;
}

// Line data with two sets on the left (y 1 to 3) and bar data with one set on the right (10 to 50).
struct Fixture {
    std::shared_ptr<LineChartDataSet> line1 = lineSet(entries({{0, 1}, {1, 2}}));
    std::shared_ptr<LineChartDataSet> line2 = lineSet(entries({{0, 3}}));
    std::shared_ptr<BarChartDataSet> bars = barSet({{0, 10}, {2, 50}});
    std::shared_ptr<LineChartData> lineData = std::make_shared<LineChartData>(ChartDataSetList{line1, line2});
    std::shared_ptr<BarChartData> barData = std::make_shared<BarChartData>(ChartDataSetList{bars});
    CombinedChartData data;

    Fixture()
    {
        data.setLineData(lineData);
        data.setBarData(barData);
    }
};

}

TEST(CombinedChartData, StartsEmptyEvenWhenMadeFromDataSets)
{
    const CombinedChartData data({lineSet(entries({{1, 2}})), lineSet(entries({{3, 4}}))});
    EXPECT_EQ(data.dataSetCount(), 0);
    EXPECT_TRUE(data.allData().isEmpty());
    EXPECT_EQ(data.xMin(), largest);
    EXPECT_EQ(data.yMax(), -largest);
    EXPECT_EQ(data.getYMin(AxisDependency::left), largest);
}

TEST(CombinedChartData, ListsTheContainersSetsInOrder)
{
    Fixture f;
    EXPECT_EQ(f.data.allData(), (QList<std::shared_ptr<ChartData>>{f.lineData, f.barData}));
    EXPECT_EQ(f.data.dataSets(), (ChartDataSetList{f.line1, f.line2, f.bars}));
    EXPECT_EQ(f.data.dataSetAtIndex(2), f.bars);
    EXPECT_EQ(f.data.indexOfData(f.barData), 1);
    EXPECT_FALSE(f.data.indexOfData(std::make_shared<BarChartData>()).has_value());

    f.data.setLineData(nullptr);
    EXPECT_EQ(f.data.dataSets(), ChartDataSetList{f.bars});
    EXPECT_EQ(f.data.dataByIndex(0), f.barData);
}

TEST(CombinedChartData, BoundsSpanEveryContainerPerAxis)
{
    Fixture f;
    EXPECT_EQ(f.data.getYMin(AxisDependency::left), 1.0);
    EXPECT_EQ(f.data.getYMax(AxisDependency::left), 3.0);
    EXPECT_EQ(f.data.getYMin(AxisDependency::right), 10.0);
    EXPECT_EQ(f.data.getYMax(AxisDependency::right), 50.0);
    EXPECT_EQ(f.data.yMin(), 1.0);
    EXPECT_EQ(f.data.yMax(), 50.0);
    EXPECT_EQ(f.data.xMax(), 2.0);

    // A container's own change shows after the combined notification.
    f.line2->addEntry(entry(5, -4));
    EXPECT_EQ(f.data.yMin(), 1.0);
    f.data.notifyDataChanged();
    EXPECT_EQ(f.data.yMin(), -4.0);
    EXPECT_EQ(f.lineData->yMin(), -4.0);

    // Without left sets the left axis falls back to the right one.
    f.data.setLineData(nullptr);
    EXPECT_EQ(f.data.getYMin(AxisDependency::left), 10.0);
}

TEST(CombinedChartData, HighlightsAddressAContainerBySubDataIndex)
{
    CombinedChartData data;
    const auto bubbles = std::make_shared<BubbleChartDataSet>(ChartDataEntryList{});
    data.setBarData(std::make_shared<BarChartData>(ChartDataSetList{barSet({{0, 1}})}));
    data.setBubbleData(std::make_shared<BubbleChartData>(ChartDataSetList{bubbles}));
    EXPECT_EQ(data.getDataSetByHighlight(Highlight(0, 0, 0, 1)), bubbles);

    for (const auto& [dataSetIndex, dataIndex] : {std::pair<qint64, qint64>{0, 2}, {0, -1}, {1, 1}, {-1, 1}}) {
        const Highlight highlight(0, 1, dataSetIndex, dataIndex);
        EXPECT_EQ(data.getDataSetByHighlight(highlight), nullptr) << dataSetIndex << " " << dataIndex;
        EXPECT_EQ(data.entryFor(highlight), nullptr);
    }
    EXPECT_EQ(data.dataByIndex(-1), nullptr);
    EXPECT_EQ(data.dataByIndex(2), nullptr);
}

TEST(CombinedChartData, EntryForMatchesTheExactYOrTakesTheFirstForNaN)
{
    // Entries at x 2 come back in partition order: 2b, 2c, 2a.
    const auto a = entry(2, 10);
    const auto b = entry(2, 20);
    const auto c = entry(2, 30);
    CombinedChartData data;
    data.setLineData(std::make_shared<LineChartData>(ChartDataSetList{lineSet({entry(1, 0), a, b, c, entry(3, 0)})}));

    EXPECT_EQ(data.entryFor(Highlight(2, notANumber, 0, 0)), b);
    EXPECT_EQ(data.entryFor(Highlight(2, 10, 0, 0)), a);
    EXPECT_EQ(data.entryFor(Highlight(2, 30, 0, 0)), c);
    EXPECT_EQ(data.entryFor(Highlight(2, 25, 0, 0)), nullptr);
    EXPECT_EQ(data.entryFor(Highlight(2.5, notANumber, 0, 0)), nullptr);
    EXPECT_EQ(data.entryFor(Highlight(notANumber, notANumber, 0, 0)), nullptr);
    EXPECT_EQ(data.entryFor(Highlight(infinity, notANumber, 0, 0)), nullptr);
}

TEST(CombinedChartData, RemovalsGoThroughTheContainers)
{
    Fixture f;
    QStringList lines;
    ChartConsole::setCapture([&](const QString& line) { lines << line; });
    EXPECT_FALSE(f.data.removeEntry(f.line1->entries().at(0), 0));
    EXPECT_FALSE(f.data.removeEntryWithXValue(0, 0));
    ChartConsole::setCapture({});
    EXPECT_EQ(lines, (QStringList{QStringLiteral("removeEntry(entry, dataSetIndex) not supported for CombinedData"),
                                  QStringLiteral("removeEntry(xValue, dataSetIndex) not supported for CombinedData")}));
    EXPECT_EQ(f.line1->entryCount(), 2);

    // The set leaves its container; the combined list waits for the next notification.
    EXPECT_EQ(f.data.removeDataSet(f.bars), f.bars);
    EXPECT_EQ(f.barData->dataSetCount(), 0);
    EXPECT_EQ(f.data.dataSetCount(), 3);
    f.data.notifyDataChanged();
    EXPECT_EQ(f.data.dataSetCount(), 2);
    EXPECT_EQ(f.data.removeDataSet(f.bars), nullptr);
}

TEST(CombinedChartDataDeathTest, AddingOrRemovingSetsDirectlyStopsTheProgram)
{
    const auto echo = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
    EXPECT_DEATH(
        {
            ChartConsole::setCapture(echo);
            CombinedChartData().addDataSet(lineSet({}));
        },
        "append\\(_:\\) not supported for CombinedData");
    EXPECT_DEATH(
        {
            ChartConsole::setCapture(echo);
            CombinedChartData().removeDataSetByIndex(0);
        },
        "remove\\(at:\\) not supported for CombinedData");
}
