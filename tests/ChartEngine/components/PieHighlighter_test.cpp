#include "ChartEngine/components/PieHighlighter.h"
#include "ChartEngine/foundation/Animator.h"

#include "../types/PieTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;
using namespace PieTesting;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

}

// Slices of 90, 90 and 180 degrees from the top, in a pie of radius 82 at (100, 100).
TEST(PieHighlighterTest, TheTouchNamesTheSliceUnderItsAngle)
{
    const QPointF center(100, 100);
    struct Case {
        const char* name;
        QPointF touch;
        double phaseY;
        double x;
    } cases[] = {
        {"on the circle", along(center, 82, 90), 1, 2},
        {"a pixel beyond it", along(center, 83, 90), 1, notANumber},
        {"at phase 1", along(center, 50, 80), 1, 1},
        {"phase 0.5 doubles the angle", along(center, 50, 80), 0.5, 2},
        {"phase 0 finds nothing", along(center, 50, 80), 0, notANumber},
    };
    for (const Case& c : cases) {
        const auto view = pieView({1, 1, 2});
        view->chartAnimator()->setPhaseY(c.phaseY);
        const auto highlight = view->highlighter()->getHighlight(c.touch.x(), c.touch.y());
        if (std::isnan(c.x)) {
            EXPECT_FALSE(highlight) << c.name;
            continue;
        }
        ASSERT_TRUE(highlight) << c.name;
        EXPECT_EQ(highlight->x(), c.x) << c.name;
    }
}

TEST(PieHighlighterTest, APieHighlightCarriesTheSliceAndTheTouch)
{
    const auto view = pieView({1, 1, 2}, QRect(0, 0, 200, 200), [](PieChartView&, PieChartDataSet& dataSet) {
        dataSet.setAxisDependency(AxisDependency::right);
    });
    const auto highlight = view->highlighter()->getHighlight(60, 110);
    ASSERT_TRUE(highlight);
    EXPECT_EQ(highlight->x(), 2);
    EXPECT_EQ(highlight->y(), 2);
    EXPECT_EQ(QPointF(highlight->xPx(), highlight->yPx()), QPointF(60, 110));
    EXPECT_EQ(highlight->dataSetIndex(), 0);
    EXPECT_EQ(highlight->axis(), AxisDependency::right);
}

TEST(PieHighlighterTest, NothingWithoutAChart)
{
    PieHighlighter highlighter(nullptr);
    EXPECT_FALSE(highlighter.getHighlight(10, 10));
    EXPECT_FALSE(highlighter.closestHighlight(0, 10, 10));
}
