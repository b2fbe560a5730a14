#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/LegendEntry.h"
#include "ChartEngine/components/RadarHighlighter.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRendererRadarChart.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRendererRadarChart.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/RadarChartRenderer.h"

#include "PieTestChart.h"
#include "RadarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Charts;
using namespace RadarTesting;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

}

TEST(RadarChartViewTest, TheViewInstallsItsOwnRendererHighlighterAndAxisRenderers)
{
    const auto view = radarView({radarSet({1, 2, 3})});
    const auto* renderer = dynamic_cast<RadarChartRenderer*>(view->renderer().get());
    const auto* highlighter = dynamic_cast<RadarHighlighter*>(view->highlighter().get());
    ASSERT_TRUE(renderer);
    ASSERT_TRUE(highlighter);
    EXPECT_EQ(renderer->chart(), view.get());
    EXPECT_EQ(renderer->animator(), view->chartAnimator());
    EXPECT_EQ(renderer->viewPortHandler(), view->viewPortHandler());
    EXPECT_EQ(highlighter->chart(), view.get());

    const auto yRenderer = view->yAxisRenderer();
    const auto xRenderer = view->xAxisRenderer();
    ASSERT_TRUE(yRenderer && xRenderer);
    EXPECT_EQ(yRenderer->axis(), view->yAxis());
    EXPECT_EQ(yRenderer->chart(), view.get());
    EXPECT_EQ(yRenderer->transformer(), nullptr);
    EXPECT_EQ(xRenderer->axis(), view->xAxis());
    EXPECT_EQ(xRenderer->chart(), view.get());
    EXPECT_EQ(xRenderer->transformer(), nullptr);
    EXPECT_EQ(view->yAxis()->axisDependency(), AxisDependency::left);
    EXPECT_EQ(view->yAxis()->labelXOffset(), 10.0);
}

TEST(RadarChartViewTest, SpokesAndTheIndexUnderAnAngle)
{
    struct Case {
        qint64 entries;
        double angle;
        double sliceAngle;
        qint64 index;
    };
    const Case cases[] = {
        {5, 270, 72, 0},
        // 306 - 270 = 36 is not below 72 - 36: the next spoke's sector.
        {5, 306, 72, 1},
        // 234 - 270 normalises to 324, the last half sector: spoke 0 again.
        {5, 234, 72, 0},
        {5, 269.99, 72, 0},
        {4, 90, 90, 2},
        // No entries: no spokes, and every angle gives index 0.
        {0, 100, infinity, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.entries << " entries at " << c.angle);
        const auto view = radarView({radarSet(QList<double>(c.entries, 1.0))});
        EXPECT_EQ(view->sliceAngle(), c.sliceAngle);
        EXPECT_EQ(view->indexForAngle(c.angle), c.index);
    }
}

TEST(RadarChartViewTest, ACustomLegendKeepsItsEntries)
{
    const auto view = radarView({radarSet({1, 2, 3}, QStringLiteral("A"))});
    auto custom = std::make_shared<LegendEntry>(QStringLiteral("Mine"));
    view->legend()->setCustom({custom});
    view->notifyDataSetChanged();
    ASSERT_EQ(view->legend()->entries().size(), 1);
    EXPECT_EQ(view->legend()->entries().first(), custom);
}

TEST(RadarChartViewTest, TheRadialAxisFollowsADataChange)
{
    const auto view = radarView({radarSet({0, 4, 10})});
    view->yAxis()->setAxisMinimum(0);
    struct Case {
        QList<double> values;
        double axisMaximum;
    };
    // 0..10 over 6 labels: interval 2, one beyond 10; 0..100: interval 20, one beyond 100.
    const Case cases[] = {{{0, 4, 10}, 12}, {{0, 40, 100, 20}, 120}};
    for (const Case& c : cases) {
        view->setData(std::make_shared<RadarChartData>(ChartDataSetList{radarSet(c.values)}));
        EXPECT_EQ(view->yAxis()->entries().last(), c.axisMaximum);
        EXPECT_EQ(view->chartYMax(), c.axisMaximum);
        EXPECT_EQ(view->yRange(), c.axisMaximum);
        EXPECT_EQ(view->factor(), view->radius() / c.axisMaximum);
        EXPECT_EQ(view->xAxis()->axisMaximum(), double(c.values.size()));
    }
}

TEST(RadarChartViewTest, TheOffsetsMakeRoomForTheSpokeLabels)
{
    for (const bool labels : {true, false}) {
        SCOPED_TRACE(labels);
        auto view = std::make_unique<RadarChartView>(QRect(0, 0, 300, 300));
        view->legend()->setEnabled(false);
        view->xAxis()->setDrawLabelsEnabled(labels);
        view->setData(std::make_shared<RadarChartData>(
            ChartDataSetList{radarSet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})}));
        // Drawn labels: every side at least their rotated width; else 10 at the bottom only.
        const double width = view->xAxis()->labelRotatedWidth();
        const double side = labels ? width : 0.0;
        const auto handler = view->viewPortHandler();
        EXPECT_EQ(handler->offsetLeft(), side);
        EXPECT_EQ(handler->offsetTop(), side);
        EXPECT_EQ(handler->offsetRight(), side);
        EXPECT_EQ(handler->offsetBottom(), labels ? width : 10.0);
    }
}

// With a single forced label the radial axis has no range: the scale is not finite, so nothing
// is drawn and nothing highlights.
TEST(RadarChartViewTest, ARadialAxisWithoutARangeDrawsAndHighlightsNothing)
{
    const auto view = radarView({radarSet({1, 2, 3})});
    view->yAxis()->setAxisMinLabels(1);
    view->yAxis()->setLabelCount(1, true);
    view->notifyDataSetChanged();
    ASSERT_EQ(view->yRange(), 0.0);
    EXPECT_FALSE(std::isfinite(view->factor()));
    QImage white(300, 300, QImage::Format_ARGB32_Premultiplied);
    white.fill(Qt::white);
    EXPECT_EQ(drawn(*view), white);
    const QPointF c = view->centerOffsets();
    EXPECT_EQ(view->getHighlightByTouchPoint(c + QPointF(0, -10)), nullptr);
}

// The chart through the view's image: a filled square of four spokes over the web, a red
// limit-line ring inside it (behind the fill or in front of it), the background outside; the
// elements come from the drawing that made the image.
TEST(RadarChartViewTest, ARadarDrawsIntoAnImage)
{
    struct Case {
        bool limitLineBehind;
        QRgb atTheRing;
    };
    const Case cases[] = {{true, qRgb(0, 0, 255)}, {false, qRgb(255, 0, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limitLineBehind);
        auto set = radarSet({8, 8, 8, 8}, QStringLiteral("A"));
        set->setDrawFilledEnabled(true);
        set->setFillColor(QColor(0, 0, 255));
        set->setFillAlpha(1);
        set->setDrawValuesEnabled(false);
        const auto view = radarView({set});
        auto line = std::make_shared<ChartLimitLine>(5);
        line->setLineColor(QColor(255, 0, 0));
        line->setLineWidth(4);
        view->yAxis()->addLimitLine(line);
        view->yAxis()->setDrawLimitLinesBehindDataEnabled(c.limitLineBehind);
        view->yAxis()->setAxisMinimum(0);
        view->notifyDataSetChanged();
        const auto image = view->getChartImage(false);
        ASSERT_TRUE(image);
        const QImage picture = image->convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(picture.pixel(valuePoint(*view, 5, 1).toPoint()), c.atTheRing);
        // Inside the square between two spokes; beyond its edge inside the web; a corner.
        EXPECT_EQ(picture.pixel((valuePoint(*view, 3, 0) + QPointF(8, 0)).toPoint()),
                  qRgb(0, 0, 255));
        EXPECT_EQ(picture.pixel(((valuePoint(*view, 11, 0) + valuePoint(*view, 11, 1)) / 2).toPoint()),
                  qRgb(255, 255, 255));
        EXPECT_EQ(picture.pixel(4, 4), qRgb(255, 255, 255));
        // The outer ring's spoke end is grey at the web's alpha over white.
        const QRgb spoke = picture.pixel((valuePoint(*view, view->chartYMax() - 0.5, 2)).toPoint());
        EXPECT_LT(qGray(spoke), 230);
        EXPECT_GT(qGray(spoke), 128);
        // The header alone: an opaque fill makes no elements.
        ASSERT_EQ(view->renderer()->accessibleChartElements().size(), 1);
        EXPECT_TRUE(view->renderer()->accessibleChartElements().first()->isHeader());
    }
}

// Extra offsets larger than the view leave a pie or a radar without a positive radius: it draws
// no slices, web or values, and at once (a pie of radius -979,488 took seconds).
TEST(RadarChartViewTest, ARoundChartWithoutARadiusDrawsNothing)
{
    QImage white(300, 300, QImage::Format_ARGB32_Premultiplied);
    white.fill(Qt::white);
    const auto pie = PieTesting::pieView({1, 2, 3}, QRect(0, 0, 300, 300));
    pie->setExtraOffsets(490000, 490000, 490000, 490000);
    pie->notifyDataSetChanged();
    const auto radar = radarView({radarSet({1, 2, 3})});
    radar->setExtraOffsets(1000, 1000, 1000, 1000);
    radar->notifyDataSetChanged();
    for (PieRadarChartViewBase* view : {static_cast<PieRadarChartViewBase*>(pie.get()),
                                        static_cast<PieRadarChartViewBase*>(radar.get())}) {
        EXPECT_LT(view->radius(), 0.0);
        EXPECT_EQ(ChartTesting::drawn(*view, QSize(300, 300)), white);
    }
}
