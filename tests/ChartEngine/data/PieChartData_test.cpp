#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double largest = std::numeric_limits<double>::max();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

std::shared_ptr<PieChartDataSet> pieSet(const QList<double>& values, const QString& label = QStringLiteral("Slices"))
{
    ChartDataEntryList list;
    for (const double value : values) {
        list.append(std::make_shared<PieChartDataEntry>(value));
    }
    return std::make_shared<PieChartDataSet>(list, label);
}

Highlight atX(double x, qint64 dataSetIndex = 0)
{
    return Highlight(x, notANumber, dataSetIndex, -1);
}

}

TEST(PieChartDataEntry, ValueLabelAndNoX)
{
    PieChartDataEntry entry(25, QStringLiteral("Rent"));
    EXPECT_EQ(entry.y(), 25.0);
    EXPECT_TRUE(std::isnan(entry.x()));
    EXPECT_EQ(entry.label(), QStringLiteral("Rent"));
    EXPECT_EQ(entry.value(), 25.0);
    entry.setValue(30);
    EXPECT_EQ(entry.y(), 30.0);
    EXPECT_TRUE(std::isnan(PieChartDataEntry().x()));
    EXPECT_FALSE(PieChartDataEntry(5, QVariant(1)).label().has_value());

    const auto copy = std::dynamic_pointer_cast<PieChartDataEntry>(entry.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->label(), QStringLiteral("Rent"));
    EXPECT_EQ(copy->value(), 30.0);
}

TEST(PieChartDataSet, InitialValuesAndSliceSpaceClamp)
{
    PieChartDataSet set;
    EXPECT_EQ(set.valueTextColor(), ChartColors::white());
    EXPECT_EQ(set.valueFont(), systemFont(13));
    EXPECT_EQ(set.selectionShift(), 18.0);
    EXPECT_EQ(set.xValuePosition(), PieChartDataSet::ValuePosition::insideSlice);
    EXPECT_EQ(set.valueLineColor(), QColor(0, 0, 0));
    EXPECT_EQ(set.valueLinePart1OffsetPercentage(), 0.75);
    EXPECT_TRUE(set.valueLineVariableLength());
    EXPECT_FALSE(set.highlightColor().has_value());
    EXPECT_EQ(pieSet({1})->valueFont(), systemFont(13));

    for (const auto& [given, stored] : {std::pair{-1.0, 0.0}, {20.0, 20.0}, {35.0, 20.0}, {7.5, 7.5}}) {
        set.setSliceSpace(given);
        EXPECT_EQ(set.sliceSpace(), stored) << given;
    }
}

TEST(PieChartDataSet, ConstructionBoundsOnlyY)
{
    const auto set = pieSet({4, 1, 9});
    EXPECT_EQ(set->yMin(), 1.0);
    EXPECT_EQ(set->yMax(), 9.0);
    // The entries' x (not-a-number) would replace both x bounds under the plain rule.
    EXPECT_EQ(set->xMin(), largest);
    EXPECT_EQ(set->xMax(), -largest);
}

TEST(PieChartDataSet, CopyLeavesUseValueColorForLineOff)
{
    const auto set = pieSet({1, 2});
    set->setUseValueColorForLine(true);
    set->setSliceSpace(5);
    set->setSelectionShift(3);
    set->setYValuePosition(PieChartDataSet::ValuePosition::outsideSlice);
    set->setValueLinePart2Length(0.9);
    set->setEntryLabelColor(QColor(1, 2, 3));
    set->setHighlightColor(QColor(4, 5, 6));
    set->setValueTextColor(QColor(7, 8, 9));

    const auto copy = std::dynamic_pointer_cast<PieChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->useValueColorForLine());
    EXPECT_EQ(copy->sliceSpace(), 5.0);
    EXPECT_EQ(copy->selectionShift(), 3.0);
    EXPECT_EQ(copy->yValuePosition(), PieChartDataSet::ValuePosition::outsideSlice);
    EXPECT_EQ(copy->valueLinePart2Length(), 0.9);
    EXPECT_EQ(copy->entryLabelColor(), QColor(1, 2, 3));
    EXPECT_EQ(copy->highlightColor(), QColor(4, 5, 6));
    EXPECT_EQ(copy->valueTextColor(), QColor(7, 8, 9));
    EXPECT_EQ(copy->xMin(), largest);
}

TEST(PieChartData, AnswersFromTheFirstSetOnly)
{
    const auto first = pieSet({1, 2, 3.5}, QStringLiteral("Budget"));
    const auto second = pieSet({100});
    const PieChartData data({first, second});
    EXPECT_EQ(data.dataSet(), first);
    EXPECT_EQ(data.dataSetAtIndex(0), first);
    EXPECT_EQ(data.dataSetAtIndex(1), nullptr);
    EXPECT_EQ(data.dataSetAtIndex(-1), nullptr);
    EXPECT_EQ(data.yValueSum(), 6.5);
    EXPECT_EQ(data.entryFor(atX(2.9)), first->entries().at(2));
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("budget"), true), first);
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("budget"), false), nullptr);
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("Slices"), false), nullptr);

    // A first set of another kind is no pie data set.
    const PieChartData other({std::make_shared<LineChartDataSet>(entries({{0, 1}})), first});
    EXPECT_EQ(other.dataSet(), nullptr);
    EXPECT_EQ(other.yValueSum(), 0.0);
    EXPECT_EQ(other.entryFor(atX(0)), nullptr);
}

TEST(PieChartData, HighlightsOutsideTheEntriesFindNothing)
{
    const PieChartData data({pieSet({1, 2})});
    for (const double x : {2.0, -1.0, notANumber, infinity, -infinity, 1e300, -1e19}) {
        EXPECT_EQ(data.entryFor(atX(x)), nullptr) << x;
    }
    // Truncation toward zero: -0.5 names the first slice.
    EXPECT_EQ(data.entryFor(atX(-0.5)), data.dataSet()->entryForIndex(0));
    EXPECT_EQ(data.entryFor(atX(1.99)), data.dataSet()->entryForIndex(1));
}

TEST(PieChartData, SettingTheDataSet)
{
    PieChartData data({pieSet({1, 2})});
    const auto replacement = pieSet({5});
    data.setDataSet(replacement);
    EXPECT_EQ(data.dataSets(), ChartDataSetList{replacement});
    EXPECT_EQ(data.yMax(), 5.0);

    data.setDataSet(nullptr);
    EXPECT_EQ(data.dataSetCount(), 0);
    EXPECT_EQ(data.dataSet(), nullptr);
    EXPECT_EQ(data.yValueSum(), 0.0);
    EXPECT_EQ(data.dataSetAtIndex(0), nullptr);
    EXPECT_EQ(data.entryFor(atX(0)), nullptr);
    EXPECT_EQ(data.dataSetForLabel(QStringLiteral("Slices"), true), nullptr);
}
