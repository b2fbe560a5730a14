#include "ChartEngine/foundation/ViewPortChart.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace Charts;

namespace Charts {

// Found by argument-dependent lookup for readable failures.
static void PrintTo(const AffineTransform& m, std::ostream* os)
{
    *os << '(' << m.a << ", " << m.b << ", " << m.c << ", " << m.d << ", " << m.tx << ", " << m.ty
        << ')';
}

}

namespace {

// A chart that records the rectangles it was asked to redisplay.
class RecordingChart : public ViewPortChart {
public:
    QRectF bounds() const override { return {0, 0, 300, 200}; }
    void setNeedsDisplayInRect(const QRectF& rect) override { requests << rect; }
    QList<QRectF> requests;
};

// The chart of most cases: 300 x 200 with offsets left 35, top 15, right 35, bottom 60.
ViewPortHandler* withOffsets(ViewPortHandler& handler)
{
    handler.restrainViewPort(35, 15, 35, 60);
    return &handler;
}

}

TEST(ViewPortHandler, NewHandlerHasTheChartSizeAndNoZoom)
{
    const ViewPortHandler handler(300, 200);
    EXPECT_EQ(handler.contentRect(), QRectF(0, 0, 300, 200));
    EXPECT_EQ(handler.offsetLeft(), 0);
    EXPECT_EQ(handler.offsetTop(), 0);
    EXPECT_EQ(handler.offsetRight(), 0);
    EXPECT_EQ(handler.offsetBottom(), 0);
    EXPECT_TRUE(handler.hasChartDimens());
    EXPECT_EQ(handler.touchMatrix(), AffineTransform(1, 0, 0, 1, 0, 0));
    EXPECT_EQ(handler.minScaleX(), 1);
    EXPECT_EQ(handler.minScaleY(), 1);
    EXPECT_EQ(handler.maxScaleX(), 1.7976931348623157e308);
    EXPECT_EQ(handler.maxScaleY(), 1.7976931348623157e308);
    EXPECT_EQ(handler.scaleX(), 1);
    EXPECT_EQ(handler.transY(), 0);
    EXPECT_TRUE(handler.hasNoDragOffset());
    EXPECT_TRUE(handler.isFullyZoomedOut());

    EXPECT_FALSE(ViewPortHandler(0, 200).hasChartDimens());
    EXPECT_FALSE(ViewPortHandler(300, 0).hasChartDimens());
}

TEST(ViewPortHandler, OffsetsSurviveAResize)
{
    ViewPortHandler handler(300, 200);
    handler.restrainViewPort(35, 15, 35, 60);
    EXPECT_EQ(handler.contentRect(), QRectF(35, 15, 230, 125));
    EXPECT_EQ(handler.contentRight(), 265);
    EXPECT_EQ(handler.contentBottom(), 140);
    EXPECT_EQ(handler.contentCenter(), QPointF(150, 77.5));

    handler.setChartDimens(400, 300);
    EXPECT_EQ(handler.contentRect(), QRectF(35, 15, 330, 225));
    EXPECT_EQ(handler.offsetRight(), 35);
    EXPECT_EQ(handler.offsetBottom(), 60);
}

TEST(ViewPortHandler, OversizedOffsetsGiveANegativeContentSize)
{
    ViewPortHandler handler(300, 200);
    handler.restrainViewPort(200, 150, 200, 100);
    EXPECT_EQ(handler.contentWidth(), -100);
    EXPECT_EQ(handler.contentHeight(), -50);
    EXPECT_EQ(handler.offsetRight(), 200);
}

TEST(ViewPortHandler, ZoomAboutAPointLeavesTheHandlerAsItIs)
{
    const ViewPortHandler handler(300, 200);
    EXPECT_EQ(handler.zoomIn(100, 50), AffineTransform(1.4, 0, 0, 1.4, -40, -20));
    const AffineTransform out = handler.zoomOut(100, 50);
    EXPECT_DOUBLE_EQ(out.a, 0.7);
    EXPECT_DOUBLE_EQ(out.tx, 30);
    EXPECT_DOUBLE_EQ(out.ty, 15);
    EXPECT_EQ(handler.touchMatrix(), AffineTransform());
    EXPECT_EQ(handler.zoom(2, 3), AffineTransform(2, 0, 0, 3, 0, 0));
}

TEST(ViewPortHandler, ZoomScalesTheCurrentMatrixFirst)
{
    ViewPortHandler handler(300, 200);
    handler.setTouchMatrix({1, 0.5, 0.25, 1, 7, 9});
    // The scale applies to the point before the existing matrix: b and c scale too.
    EXPECT_EQ(handler.zoom(2, 4), AffineTransform(2, 1, 1, 4, 7, 9));
    EXPECT_EQ(handler.resetZoom(), AffineTransform(1, 0.5, 0.25, 1, 7, 9));
    // setZoom replaces a and d only.
    EXPECT_EQ(handler.setZoom(3, 4), AffineTransform(3, 0.5, 0.25, 4, 7, 9));
}

TEST(ViewPortHandler, SetZoomAboutAPointStartsFromUnitScale)
{
    ViewPortHandler handler(300, 200);
    handler.setTouchMatrix({5, 0, 0, 5, -30, -10});
    // The pan (−30, −10) is kept, the old scale 5 is dropped, and the new scale 2 is about
    // (10, 20): p -> 2·(p − (10, 20)) + (10, 20) + (−30, −10).
    EXPECT_EQ(handler.setZoom(2, 2, 10, 20), AffineTransform(2, 0, 0, 2, -40, -30));
}

TEST(ViewPortHandler, TranslateMovesThePixelPointToTheContentCorner)
{
    ViewPortHandler handler(300, 200);
    withOffsets(handler);
    EXPECT_EQ(handler.translate({135, 65}), AffineTransform(1, 0, 0, 1, -100, -50));
    // The shift comes after the touch matrix, so it is not scaled by it.
    handler.setTouchMatrix({2, 0, 0, 2, 0, 0});
    EXPECT_EQ(handler.translate({135, 65}), AffineTransform(2, 0, 0, 2, -100, -50));
}

TEST(ViewPortHandler, RefreshStoresTheClampedMatrixAndAlwaysRedisplays)
{
    ViewPortHandler handler(300, 200);
    RecordingChart chart;
    const AffineTransform kept = handler.refresh({0.5, 0, 0, 1, 40, 0}, &chart, false);
    EXPECT_EQ(kept, AffineTransform(1, 0, 0, 1, 0, 0));
    EXPECT_EQ(handler.touchMatrix(), kept);
    EXPECT_EQ(handler.scaleX(), 1);
    EXPECT_EQ(handler.transX(), 0);
    ASSERT_EQ(chart.requests.size(), 1);
    EXPECT_EQ(chart.requests.front(), QRectF(0, 0, 300, 200));

    handler.refresh(handler.zoomIn(150, 100), &chart, true);
    EXPECT_DOUBLE_EQ(handler.scaleX(), 1.4);
    EXPECT_EQ(chart.requests.size(), 2);

    // Without a chart the matrix is still stored.
    handler.refresh({2, 0, 0, 2, -10, 10}, nullptr, true);
    EXPECT_EQ(handler.touchMatrix(), AffineTransform(2, 0, 0, 2, -10, 10));
}

TEST(ViewPortHandler, CenterViewPortRefreshesWithTheTranslation)
{
    ViewPortHandler handler(300, 200);
    handler.restrainViewPort(0, 0, 200, 100); // content 100 x 100
    handler.refresh({2, 0, 0, 2, 0, 0}, nullptr, true);
    RecordingChart chart;
    handler.centerViewPort({60, 30}, &chart);
    EXPECT_EQ(handler.touchMatrix(), AffineTransform(2, 0, 0, 2, -60, 0));
    EXPECT_EQ(chart.requests.size(), 1);
}

TEST(ViewPortHandler, TranslationIsClampedToTheContentAndTheDragOffsets)
{
    ViewPortHandler handler(300, 200);
    handler.restrainViewPort(0, 0, 200, 100); // content 100 x 100
    const auto clampX = [&](double tx) {
        return handler.refresh({2, 0, 0, 1, tx, 0}, nullptr, true).tx;
    };
    EXPECT_EQ(clampX(-500), -100);
    EXPECT_EQ(clampX(50), 0);
    EXPECT_EQ(clampX(-60), -60);

    handler.setDragOffsetX(20);
    EXPECT_FALSE(handler.hasNoDragOffset());
    EXPECT_EQ(clampX(-500), -120);
    EXPECT_EQ(clampX(50), 20);

    // Vertically the range is [−offset, height·(scale − 1) + offset].
    const auto clampY = [&](double ty) {
        return handler.refresh({1, 0, 0, 2, 0, ty}, nullptr, true).ty;
    };
    EXPECT_EQ(clampY(-50), 0);
    EXPECT_EQ(clampY(500), 100);
    handler.setDragOffsetY(10);
    EXPECT_EQ(clampY(-50), -10);
    EXPECT_EQ(clampY(500), 110);
    EXPECT_EQ(handler.transY(), 110);
}

TEST(ViewPortHandler, ClampKeepsTheShearTerms)
{
    ViewPortHandler handler(300, 200);
    AffineTransform matrix(0.5, 0.25, 0.125, 9, 1000, -1000);
    handler.setMaximumScaleY(4);
    handler.constrainMatrix(matrix, {0, 0, 100, 50});
    EXPECT_EQ(matrix, AffineTransform(1, 0.25, 0.125, 4, 0, 0));
    EXPECT_EQ(handler.scaleY(), 4);
}

TEST(ViewPortHandler, ScaleLimitSetters)
{
    ViewPortHandler handler(300, 200);
    handler.setMinimumScaleX(0.5);
    EXPECT_EQ(handler.minScaleX(), 1);
    handler.setMaximumScaleX(0);
    EXPECT_EQ(handler.maxScaleX(), DBL_MAX);
    handler.setMinimumScaleY(-3);
    EXPECT_EQ(handler.minScaleY(), 1);
    handler.setMaximumScaleY(0);
    EXPECT_EQ(handler.maxScaleY(), DBL_MAX);

    // A new maximum clamps the current zoom at once.
    handler.refresh({5, 0, 0, 5, 0, 0}, nullptr, true);
    handler.setMaximumScaleX(3);
    EXPECT_EQ(handler.scaleX(), 3);
    EXPECT_EQ(handler.touchMatrix().a, 3);
    EXPECT_EQ(handler.touchMatrix().d, 5);
    EXPECT_FALSE(handler.canZoomInMoreX());
    EXPECT_TRUE(handler.canZoomOutMoreX());

    handler.setMinMaxScaleY(6, 8);
    EXPECT_EQ(handler.minScaleY(), 6);
    EXPECT_EQ(handler.maxScaleY(), 8);
    EXPECT_EQ(handler.scaleY(), 6);
    EXPECT_EQ(handler.touchMatrix().d, 6);
    EXPECT_FALSE(handler.canZoomOutMoreY());
    EXPECT_TRUE(handler.canZoomInMoreY());

    handler.setMinMaxScaleX(0.25, 0);
    EXPECT_EQ(handler.minScaleX(), 1);
    EXPECT_EQ(handler.maxScaleX(), DBL_MAX);
    // No check that the minimum is at most the maximum: the maximum is applied last.
    handler.setMinMaxScaleX(4, 2);
    EXPECT_EQ(handler.scaleX(), 2);
}

TEST(ViewPortHandler, FitScreenLowersTheMinimaWithoutTouchingTheMatrix)
{
    ViewPortHandler handler(300, 200);
    handler.setMinimumScaleX(2);
    handler.setMinimumScaleY(3);
    handler.refresh({4, 0, 0, 4, -50, 30}, nullptr, true);
    const AffineTransform zoomed = handler.touchMatrix();

    EXPECT_EQ(handler.fitScreen(), AffineTransform());
    EXPECT_EQ(handler.minScaleX(), 1);
    EXPECT_EQ(handler.minScaleY(), 1);
    EXPECT_EQ(handler.touchMatrix(), zoomed);
    EXPECT_EQ(handler.scaleX(), 4);
}

TEST(ViewPortHandler, FullyZoomedOutNeedsAMinimumOfOne)
{
    ViewPortHandler handler(300, 200);
    handler.setMinimumScaleX(2);
    EXPECT_EQ(handler.scaleX(), 2);
    EXPECT_FALSE(handler.isFullyZoomedOutX());
    EXPECT_FALSE(handler.isFullyZoomedOut());
    EXPECT_TRUE(handler.isFullyZoomedOutY());
}

TEST(ViewPortHandler, BoundsTestsAtTheirEdges)
{
    ViewPortHandler handler(300, 200);
    withOffsets(handler); // content x 35..265, y 15..140

    EXPECT_TRUE(handler.isInBoundsLeft(34));
    EXPECT_FALSE(handler.isInBoundsLeft(33.5));
    EXPECT_TRUE(handler.isInBoundsRight(266));
    EXPECT_TRUE(handler.isInBoundsRight(266.009)); // floored to 266
    EXPECT_FALSE(handler.isInBoundsRight(266.5));
    EXPECT_TRUE(handler.isInBoundsTop(15));
    EXPECT_FALSE(handler.isInBoundsTop(14.999));
    EXPECT_TRUE(handler.isInBoundsBottom(140.005));
    EXPECT_FALSE(handler.isInBoundsBottom(140.5));
    EXPECT_FALSE(handler.isInBoundsBottom(140.01));

    EXPECT_TRUE(handler.isInBounds(QPointF(34, 140)));
    EXPECT_FALSE(handler.isInBounds(QPointF(34, 141)));
    EXPECT_FALSE(handler.isInBounds(300, 50));
    EXPECT_FALSE(handler.isInBoundsX(std::numeric_limits<double>::quiet_NaN()));
}

TEST(ViewPortHandler, LineIntersection)
{
    ViewPortHandler handler(300, 200);
    withOffsets(handler); // content x 35..265, y 15..140

    // Both ends outside, the line crossing the area diagonally.
    EXPECT_TRUE(handler.isIntersectingLine({0, 0}, {300, 200}));
    // Vertical lines: more than a pixel left of the area, and just inside the tolerance.
    EXPECT_FALSE(handler.isIntersectingLine({32, 0}, {32, 300}));
    EXPECT_TRUE(handler.isIntersectingLine({34.5, 0}, {34.5, 300}));
    // A horizontal line above the area.
    EXPECT_FALSE(handler.isIntersectingLine({0, 5}, {300, 5}));
    // A steep line found by its bottom crossing (x 100.7).
    EXPECT_TRUE(handler.isIntersectingLine({100, 0}, {101, 200}));
    // A line that only clips the top-right corner, found by its top crossing (x 265).
    EXPECT_TRUE(handler.isIntersectingLine({300, 50}, {250, 0}));
    // A line passing wholly right of the area.
    EXPECT_FALSE(handler.isIntersectingLine({290, 0}, {291, 200}));
    // One end inside.
    EXPECT_TRUE(handler.isIntersectingLine({100, 100}, {1000, 1000}));
}

namespace {

// A handler whose content area comes from an override; the other operations must see it.
class FixedContentHandler : public ViewPortHandler {
public:
    FixedContentHandler() : ViewPortHandler(300, 200) { }
    QRectF contentRect() const override { return {100, 100, 10, 10}; }
};

}

TEST(ViewPortHandler, OperationsReachOverriddenGetters)
{
    FixedContentHandler handler;
    EXPECT_FALSE(handler.isInBoundsLeft(50));
    EXPECT_TRUE(handler.isInBounds(105, 105));
    EXPECT_EQ(handler.offsetRight(), 190);
    EXPECT_EQ(handler.contentCenter(), QPointF(105, 105));
    // The clamp reads the content of its argument, refresh hands it the overridden one.
    EXPECT_EQ(handler.refresh({2, 0, 0, 2, -500, 0}, nullptr, true).tx, -10);
}
