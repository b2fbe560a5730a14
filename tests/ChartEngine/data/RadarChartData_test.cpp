#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Charts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

std::shared_ptr<RadarChartDataSet> radarSet(int count)
{
    ChartDataEntryList list;
    for (int i = 0; i < count; ++i) {
        list.append(std::make_shared<RadarChartDataEntry>(i * 10.0));
    }
    return std::make_shared<RadarChartDataSet>(list);
}

}

TEST(RadarChartDataEntry, ValueAndNoX)
{
    RadarChartDataEntry entry(7);
    EXPECT_EQ(entry.y(), 7.0);
    EXPECT_TRUE(std::isnan(entry.x()));
    entry.setValue(9);
    EXPECT_EQ(entry.y(), 9.0);
    EXPECT_EQ(RadarChartDataEntry(2, QVariant(5)).data(), QVariant(5));
    const auto copy = entry.copy();
    EXPECT_NE(std::dynamic_pointer_cast<RadarChartDataEntry>(copy), nullptr);
    EXPECT_EQ(copy->y(), 9.0);
}

TEST(RadarChartData, InitialValues)
{
    const RadarChartData data;
    EXPECT_EQ(data.highlightColor(), QColor(255, 187, 115));
    EXPECT_EQ(data.highlightLineWidth(), 1.0);
    EXPECT_EQ(data.highlightLineDashPhase(), 0.0);
    EXPECT_FALSE(data.highlightLineDashLengths().has_value());
    EXPECT_TRUE(data.labels().isEmpty());

    const RadarChartDataSet set;
    EXPECT_FALSE(set.isDrawHighlightCircleEnabled());
    EXPECT_EQ(set.highlightCircleFillColor(), ChartColors::white());
    EXPECT_FALSE(set.highlightCircleStrokeColor().has_value());
    EXPECT_EQ(set.highlightCircleStrokeAlpha(), 0.3);
    EXPECT_EQ(set.highlightCircleInnerRadius(), 3.0);
    EXPECT_EQ(set.highlightCircleOuterRadius(), 4.0);
    EXPECT_EQ(set.highlightCircleStrokeWidth(), 2.0);
    EXPECT_EQ(set.valueFont(), systemFont(13));
    EXPECT_EQ(radarSet(1)->valueFont(), systemFont(13));
}

TEST(RadarChartData, EntryForTakesTheSetAndTheTruncatedX)
{
    const auto first = radarSet(2);
    const auto second = radarSet(5);
    RadarChartData data({first, second});
    data.setLabels({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(data.labels().size(), 2);
    EXPECT_EQ(data.entryFor(Highlight(3.7, notANumber, 1, -1)), second->entries().at(3));
    EXPECT_EQ(data.entryFor(Highlight(0.2, notANumber, 0, -1)), first->entries().at(0));

    const std::pair<double, qint64> misses[] = {{0, 2}, {0, -1}, {2, 0}, {-1, 1}, {notANumber, 1}, {infinity, 1}, {1e30, 1}};
    for (const auto& [x, dataSetIndex] : misses) {
        EXPECT_EQ(data.entryFor(Highlight(x, notANumber, dataSetIndex, -1)), nullptr) << x << " " << dataSetIndex;
    }
}

TEST(RadarChartDataSet, CopyIsARadarSetWithTheRingReset)
{
    const auto set = radarSet(3);
    set->setDrawHighlightCircleEnabled(true);
    set->setHighlightCircleStrokeWidth(5);
    set->setLineWidth(3);
    set->setLabel(QStringLiteral("web"));

    const auto copy = std::dynamic_pointer_cast<RadarChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->isDrawHighlightCircleEnabled());
    EXPECT_EQ(copy->highlightCircleStrokeWidth(), 2.0);
    EXPECT_EQ(copy->lineWidth(), 3.0);
    EXPECT_EQ(copy->label(), QStringLiteral("web"));
    EXPECT_EQ(copy->entries(), set->entries());
}
