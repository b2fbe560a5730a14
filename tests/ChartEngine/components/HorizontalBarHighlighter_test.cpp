#include "ChartEngine/components/HorizontalBarHighlighter.h"

#include "ChartEngine/types/HorizontalBarChartView.h"

#include "ChartEngine/types/BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace BarTesting;

TEST(HorizontalBarHighlighter, CandidatesStandAtTheirSwappedPixelAndAreMeasuredVertically)
{
    // x 0..10 upwards at 12.5 px a unit from 140, y 0..10 across at 23 px a unit from 35; the
    // highlighter gets the touch (vertical, horizontal).
    auto view = fixtureView<HorizontalBarChartView>(barData({barSet({0.0, 4.0, 6.0}), barSet({0.0, 8.0})}));
    struct Case {
        QPointF touch;
        double x;
        qint64 dataSetIndex;
    };
    for (const Case& c : {Case{QPointF(127.5, 35), 1, 0}, Case{QPointF(128, 280), 1, 0}, Case{QPointF(116, 100), 2, 0}}) {
        const auto high = view->highlighter()->getHighlight(c.touch.x(), c.touch.y());
        ASSERT_NE(high, nullptr) << c.touch.x();
        EXPECT_EQ(high->x(), c.x) << c.touch.x();
        EXPECT_EQ(high->dataSetIndex(), c.dataSetIndex) << c.touch.x();
        EXPECT_EQ(QPointF(high->xPx(), high->yPx()), QPointF(35 + 23 * high->y(), 140 - 12.5 * c.x)) << c.touch.x();
    }
}

TEST(HorizontalBarHighlighter, AStackedSegmentIsFoundAlongTheHorizontalAxis)
{
    auto view = fixtureView<HorizontalBarChartView>(barData({barSet({QList<double>{3, 2, 4}})}));
    const auto high = view->getHighlightByTouchPoint(QPointF(35 + 23 * 4, 140));
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->stackIndex(), 1);
    EXPECT_EQ(high->y(), 9.0);
    EXPECT_EQ(high->yPx(), 140 - 12.5 * 5);
}
