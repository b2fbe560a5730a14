#include "ChartEngine/types/HorizontalBarChartView.h"

#include "ChartEngine/components/HorizontalBarHighlighter.h"
#include "ChartEngine/components/XAxisRendererHorizontalBarChart.h"
#include "ChartEngine/components/YAxisRendererHorizontalBarChart.h"
#include "ChartEngine/foundation/TransformerHorizontalBarChart.h"
#include "ChartEngine/types/HorizontalBarChartRenderer.h"

#include "BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace Charts;
using namespace BarTesting;

namespace {

// A view whose drag can be given the data set it started on.
class DraggedView : public HorizontalBarChartView {
public:
    using HorizontalBarChartView::HorizontalBarChartView;
    void startDragOn(std::shared_ptr<BarLineScatterCandleBubbleChartDataSetProtocol> dataSet)
    {
        m_closestDataSetToTouch = std::move(dataSet);
    }
};

// Writes down the points it is asked about.
class RecordingHighlighter : public Highlighter {
public:
    std::shared_ptr<Highlight> getHighlight(double x, double y) const override
    {
        points.append(QPointF(x, y));
        return nullptr;
    }
    mutable QList<QPointF> points;
};

}

TEST(HorizontalBarChartView, InstallsItsOwnPartsOverTheBarChartOnes)
{
    HorizontalBarChartView view;
    EXPECT_NE(std::dynamic_pointer_cast<HorizontalBarChartRenderer>(view.renderer()), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<HorizontalBarHighlighter>(view.highlighter()), nullptr);
    for (const AxisDependency side : {AxisDependency::left, AxisDependency::right}) {
        EXPECT_NE(std::dynamic_pointer_cast<TransformerHorizontalBarChart>(view.getTransformer(side)), nullptr);
    }
    EXPECT_NE(std::dynamic_pointer_cast<YAxisRendererHorizontalBarChart>(view.leftYAxisRenderer()), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<YAxisRendererHorizontalBarChart>(view.rightYAxisRenderer()), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<XAxisRendererHorizontalBarChart>(view.xAxisRenderer()), nullptr);
    EXPECT_EQ(view.leftYAxisRenderer()->transformer(), view.getTransformer(AxisDependency::left));
    EXPECT_EQ(view.xAxisRenderer()->transformer(), view.getTransformer(AxisDependency::left));
}

TEST(HorizontalBarChartView, ABottomLegendMakesRoomForTheRightAxisLabelsAsWell)
{
    HorizontalBarChartView view(QRect(0, 0, 300, 200));
    view.legend()->setOrientation(Legend::Orientation::horizontal);
    view.legend()->setVerticalAlignment(Legend::VerticalAlignment::bottom);
    view.setData(barData({barSet({1.0, 2.0}, QStringLiteral("A"))}));
    const auto legend = view.legend();
    // The right axis's height counts once for the legend and once for the axis itself.
    const double expected = std::min(legend->neededHeight(), 200 * legend->maxSizePercent()) + legend->yOffset()
        + 2 * view.rightAxis()->getRequiredHeightSpace();
    EXPECT_DOUBLE_EQ(200 - view.viewPortHandler()->contentBottom(), expected);
}

TEST(HorizontalBarChartView, XAxisLabelsTakeRoomLeftOrRightOfTheContent)
{
    struct Case {
        XAxis::LabelPosition position;
        double left;
        double right;
        double minOffset = 10;
    };
    const Case cases[] = {
        {XAxis::LabelPosition::bottom, 30, 10},
        {XAxis::LabelPosition::top, 10, 30},
        {XAxis::LabelPosition::topAndBottom, 30, 30},
        {XAxis::LabelPosition::insideBottom, 10, 10},
        // A minimum the chart has no room for is held to a quarter of its width.
        {XAxis::LabelPosition::bottom, 75, 75, 1e6},
    };
    for (const Case& c : cases) {
        HorizontalBarChartView view(QRect(0, 0, 300, 200));
        view.legend()->setEnabled(false);
        view.setMinOffset(c.minOffset);
        view.setData(barData({barSet({1.0, 2.0})}));
        view.xAxis()->setLabelPosition(c.position);
        view.xAxis()->setLabelRotatedWidth(30);
        view.calculateOffsets();
        EXPECT_DOUBLE_EQ(view.viewPortHandler()->offsetLeft(), c.left) << int(c.position);
        EXPECT_DOUBLE_EQ(view.viewPortHandler()->offsetRight(), c.right) << int(c.position);
    }
}

TEST(HorizontalBarChartView, CustomOffsetsKeepTheContentThroughADataChange)
{
    auto view = fixtureView<HorizontalBarChartView>(barData({barSet({1.0, 2.0})}), -5, 5);
    view->notifyDataSetChanged();
    EXPECT_EQ(view->viewPortHandler()->contentRect(), QRectF(35, 15, 230, 125));
}

TEST(HorizontalBarChartView, BarBoundsRunAlongTheHorizontalAxis)
{
    // y -5..5 across at 23 px a unit (0 at 150), x 0..10 upwards at 12.5 px a unit from 140.
    auto dataSet = barSet({0.0, 0.0, 0.0, -2.0});
    auto view = fixtureView<HorizontalBarChartView>(barData({dataSet}), -5, 5);
    const auto bounds = view->getBarBounds(std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(3)));
    ASSERT_TRUE(bounds.has_value());
    EXPECT_DOUBLE_EQ(bounds->x(), 104);
    EXPECT_DOUBLE_EQ(bounds->y(), 99.375);
    EXPECT_DOUBLE_EQ(bounds->width(), 46);
    EXPECT_DOUBLE_EQ(bounds->height(), 6.25);
    EXPECT_EQ(view->getPosition(*dataSet->entryForIndex(3), AxisDependency::left), QPointF(104, 102.5));
    // The visible x range runs up the content: a vertical zoom by 2 halves it.
    view->zoomToCenter(1, 2);
    EXPECT_NEAR(view->highestVisibleX() - view->lowestVisibleX(), 5, 1e-9);
    EXPECT_GT(view->lowestVisibleX(), 0);
}

TEST(HorizontalBarChartView, ATouchAsksTheHighlighterWithItsCoordinatesSwapped)
{
    auto view = fixtureView<HorizontalBarChartView>(barData({barSet({1.0})}));
    auto highlighter = std::make_shared<RecordingHighlighter>();
    view->setHighlighter(highlighter);
    view->getHighlightByTouchPoint(QPointF(100, 40));
    EXPECT_EQ(highlighter->points, QList<QPointF>{QPointF(40, 100)});
}

TEST(HorizontalBarChartView, VisibleRangesActOnTheOtherAxisScale)
{
    struct Case {
        const char* name;
        std::function<void(HorizontalBarChartView&)> set;
        double minScaleX;
        double maxScaleX;
        double minScaleY;
        double maxScaleY;
    };
    constexpr double none = std::numeric_limits<double>::max();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const auto left = AxisDependency::left;
    // Every axis spans 20.
    const Case cases[] = {
        {"x range", [](auto& v) { v.setVisibleXRange(2, 10); }, 1, none, 2, 10},
        {"x maximum", [](auto& v) { v.setVisibleXRangeMaximum(10); }, 1, none, 2, none},
        {"x minimum", [](auto& v) { v.setVisibleXRangeMinimum(2); }, 1, none, 1, 10},
        {"y range", [=](auto& v) { v.setVisibleYRange(2, 10, left); }, 2, 10, 1, none},
        {"y maximum", [=](auto& v) { v.setVisibleYRangeMaximum(10, left); }, 2, none, 1, none},
        {"y minimum", [=](auto& v) { v.setVisibleYRangeMinimum(2, left); }, 1, 10, 1, none},
        {"no range", [=](auto& v) { v.setVisibleXRange(0, nan); v.setVisibleYRangeMaximum(-1, left); }, 1, none, 1, none},
    };
    for (const Case& c : cases) {
        HorizontalBarChartView view(QRect(0, 0, 300, 200));
        styleAsFixture(view, 0, 20, 0, 20);
        view.setData(barData({barSet({1.0})}));
        c.set(view);
        const auto handler = view.viewPortHandler();
        EXPECT_DOUBLE_EQ(handler->minScaleX(), c.minScaleX) << c.name;
        EXPECT_DOUBLE_EQ(handler->maxScaleX(), c.maxScaleX) << c.name;
        EXPECT_DOUBLE_EQ(handler->minScaleY(), c.minScaleY) << c.name;
        EXPECT_DOUBLE_EQ(handler->maxScaleY(), c.maxScaleY) << c.name;
    }
}

TEST(HorizontalBarChartView, ADragOnAnInvertedAxisIsMirroredAcross)
{
    struct Case {
        bool inverted;
        QPointF drag;
        QPointF moved;
    };
    for (const Case& c : {Case{false, QPointF(10, 10), QPointF(10, 10)}, Case{true, QPointF(10, 10), QPointF(-10, 10)}}) {
        DraggedView view(QRect(0, 0, 300, 200));
        styleAsFixture(view, 0, 10, 0, 10);
        auto dataSet = barSet({1.0, 2.0});
        view.setData(barData({dataSet}));
        view.leftAxis()->setInverted(c.inverted);
        view.zoomToCenter(4, 4);
        view.startDragOn(dataSet);
        const AffineTransform before = view.viewPortHandler()->touchMatrix();
        view.performPanChange(c.drag);
        const AffineTransform after = view.viewPortHandler()->touchMatrix();
        EXPECT_EQ(QPointF(after.tx - before.tx, after.ty - before.ty), c.moved) << c.inverted;
    }
}
