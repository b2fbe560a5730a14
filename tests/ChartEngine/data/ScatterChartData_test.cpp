#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/types/ChevronDownShapeRenderer.h"
#include "ChartEngine/types/ChevronUpShapeRenderer.h"
#include "ChartEngine/types/CircleShapeRenderer.h"
#include "ChartEngine/types/CrossShapeRenderer.h"
#include "ChartEngine/types/SquareShapeRenderer.h"
#include "ChartEngine/types/TriangleShapeRenderer.h"
#include "ChartEngine/types/XShapeRenderer.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <typeindex>

using namespace Charts;
using namespace Charts::Testing;

namespace {

std::shared_ptr<ScatterChartDataSet> scatterSet(double shapeSize)
{
    auto set = std::make_shared<ScatterChartDataSet>(entries({{0, 1}}));
    set->setScatterShapeSize(shapeSize);
    return set;
}

}

TEST(ScatterChartDataSet, NewSetsDrawSquaresOfSizeTenWithoutAHole)
{
    const ScatterChartDataSet set(entries({{1, 2}}));
    EXPECT_EQ(set.scatterShapeSize(), 10.0);
    EXPECT_EQ(set.scatterShapeHoleRadius(), 0.0);
    EXPECT_FALSE(set.scatterShapeHoleColor().has_value());
    EXPECT_NE(std::dynamic_pointer_cast<SquareShapeRenderer>(set.shapeRenderer()), nullptr);
    EXPECT_TRUE(set.isHorizontalHighlightIndicatorEnabled());
    EXPECT_TRUE(set.isVerticalHighlightIndicatorEnabled());
    EXPECT_NE(set.shapeRenderer(), ScatterChartDataSet().shapeRenderer());
}

TEST(ScatterChartDataSet, ShapesPickTheirRenderers)
{
    const std::type_index expected[] = {typeid(SquareShapeRenderer),    typeid(CircleShapeRenderer),
                                        typeid(TriangleShapeRenderer),  typeid(CrossShapeRenderer),
                                        typeid(XShapeRenderer),         typeid(ChevronUpShapeRenderer),
                                        typeid(ChevronDownShapeRenderer)};
    for (int raw = 0; raw < 7; ++raw) {
        const auto shape = scatterChartDataSetShapeFromRaw(raw);
        ASSERT_TRUE(shape.has_value());
        const auto renderer = ScatterChartDataSet::rendererForShape(*shape);
        EXPECT_EQ(std::type_index(typeid(*renderer)), expected[raw]) << raw;
    }
    EXPECT_FALSE(scatterChartDataSetShapeFromRaw(7).has_value());
    EXPECT_FALSE(scatterChartDataSetShapeFromRaw(-1).has_value());

    ScatterChartDataSet set;
    set.setScatterShape(ScatterChartDataSet::Shape::chevronUp);
    const auto first = set.shapeRenderer();
    EXPECT_NE(std::dynamic_pointer_cast<ChevronUpShapeRenderer>(first), nullptr);
    set.setScatterShape(ScatterChartDataSet::Shape::chevronUp);
    EXPECT_NE(set.shapeRenderer(), first);
}

TEST(ScatterChartDataSetDeathTest, AnUnknownShapeStopsTheProgram)
{
    EXPECT_DEATH(
        {
            ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
            ScatterChartDataSet::rendererForShape(static_cast<ScatterChartDataSet::Shape>(9));
        },
        "Unexpected ScatterChartDataSet.Shape value 9");
}

TEST(ScatterChartDataSet, CopySharesTheRenderer)
{
    const auto set = scatterSet(12);
    set->setScatterShapeHoleRadius(4);
    set->setScatterShapeHoleColor(QColor(1, 2, 3));
    set->setDrawHorizontalHighlightIndicatorEnabled(false);

    const auto copy = std::dynamic_pointer_cast<ScatterChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shapeRenderer(), set->shapeRenderer());
    EXPECT_EQ(copy->scatterShapeSize(), 12.0);
    EXPECT_EQ(copy->scatterShapeHoleRadius(), 4.0);
    EXPECT_EQ(copy->scatterShapeHoleColor(), QColor(1, 2, 3));
    EXPECT_FALSE(copy->isHorizontalHighlightIndicatorEnabled());
    EXPECT_EQ(copy->entries(), set->entries());
}

TEST(ScatterChartData, GreatestShapeSize)
{
    EXPECT_EQ(ScatterChartData().getGreatestShapeSize(), 0.0);
    EXPECT_EQ(ScatterChartData({scatterSet(8), scatterSet(15), scatterSet(15)}).getGreatestShapeSize(), 15.0);
    EXPECT_EQ(ScatterChartData({scatterSet(8), std::make_shared<LineChartDataSet>()}).getGreatestShapeSize(), 0.0);
}
