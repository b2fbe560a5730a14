#include "ChartEngine/components/RadarHighlighter.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/Animator.h"

#include "../types/RadarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>


using namespace Charts;
using namespace RadarTesting;

namespace {

// Two sets on a radial axis from `axisMinimum` to `axisMinimum` + 10, whose labels then reach 12
// units out; the content is 192 x 192, so a unit is 8 pixels and the centre is (96, 96).
std::unique_ptr<RadarChartView> twoSets(double axisMinimum, QList<double> first, QList<double> second)
{
    auto view = std::make_unique<RadarChartView>(QRect(0, 0, 192, 202));
    view->legend()->setEnabled(false);
    view->xAxis()->setDrawLabelsEnabled(false);
    view->yAxis()->setAxisMinimum(axisMinimum);
    view->yAxis()->setAxisMaximum(axisMinimum + 10);
    view->setData(std::make_shared<RadarChartData>(
        ChartDataSetList{radarSet(first), radarSet(second)}));
    return view;
}

// The touch at `units` above the axis minimum straight above the centre, on spoke 0.
QPointF touchAt(double units)
{
    return QPointF(96, 96 - units * 8);
}

}

// The nearest value to the touch's distance, both counted from the axis minimum; a tie keeps the
// earlier set.
TEST(RadarHighlighterTest, TheValueNearestTheTouchOnTheSpoke)
{
    struct Case {
        double axisMinimum;
        double first;
        double second;
        double touchUnits;
        qint64 dataSetIndex;
    };
    const Case cases[] = {
        {0, 3, 7, 6, 1},
        {0, 3, 7, 5, 0},
        // 13 and 17 stand 3 and 7 units out: the touch at 6 is nearer 17, as it looks.
        {10, 13, 17, 6, 1},
        {10, 13, 17, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.axisMinimum << ": " << c.touchUnits);
        const auto view = twoSets(c.axisMinimum, {c.first, 1, 1}, {c.second, 1, 1});
        ASSERT_EQ(view->chartYMin(), c.axisMinimum);
        ASSERT_EQ(view->factor(), 8.0);
        ASSERT_EQ(view->centerOffsets(), QPointF(96, 96));
        const QPointF touch = touchAt(c.touchUnits);
        const auto highlight = view->highlighter()->getHighlight(touch.x(), touch.y());
        ASSERT_NE(highlight, nullptr);
        EXPECT_EQ(highlight->x(), 0.0);
        EXPECT_EQ(highlight->dataSetIndex(), c.dataSetIndex);
        const double value = c.dataSetIndex == 0 ? c.first : c.second;
        EXPECT_EQ(highlight->y(), value);
        EXPECT_EQ(QPointF(highlight->xPx(), highlight->yPx()), valuePoint(*view, value, 0));
    }
}

TEST(RadarHighlighterTest, ATouchOnTheCircleCountsOneBeyondDoesNot)
{
    const auto view = twoSets(0, {1, 3, 1}, {1, 7, 1});
    const QPointF center = view->centerOffsets();
    // Straight below the centre, in the sector of spoke 1 of 3 (at 30 degrees).
    for (const auto& [beyond, expected] : {std::pair{0.0, true}, std::pair{1.0, false}}) {
        const QPointF touch = center + QPointF(0, view->radius() + beyond);
        EXPECT_EQ(view->highlighter()->getHighlight(touch.x(), touch.y()) != nullptr, expected)
            << beyond;
    }
}

TEST(RadarHighlighterTest, ASetWithoutAnEntryAtTheSpokeOffersNone)
{
    auto view = radarView({radarSet({1, 2}), radarSet({1, 2, 3}), radarSet({4, 5, 6})});
    const RadarHighlighter highlighter(view.get());
    const HighlightList candidates = highlighter.highlightsAtIndex(2);
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates.at(0)->dataSetIndex(), 1);
    EXPECT_EQ(candidates.at(1)->dataSetIndex(), 2);
    EXPECT_EQ(candidates.at(1)->y(), 6.0);
    // The y phase moves each candidate's point toward the centre.
    view->chartAnimator()->setPhaseY(0.5);
    const auto halved = highlighter.highlightsAtIndex(2).at(1);
    EXPECT_EQ(QPointF(halved->xPx(), halved->yPx()),
              polarPoint(view->centerOffsets(), (6 - view->chartYMin()) * view->factor() * 0.5,
                               view->sliceAngle() * 2 + view->rotationAngle()));
}
