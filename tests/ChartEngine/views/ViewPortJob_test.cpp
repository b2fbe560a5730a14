#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/views/AnimatedZoomViewJob.h"
#include "ChartEngine/views/LineChartView.h"
#include "ChartEngine/views/MoveViewJob.h"
#include "ChartEngine/views/ZoomViewJob.h"

#include "JobTestChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// Runs a zoom to (scaleX, scaleY) about the value (x, y), at once or animated over one second.
void runZoomJob(LineChartView& view, bool animated, double scaleX, double scaleY, double x, double y)
{
    const auto handler = view.viewPortHandler();
    const auto transformer = view.getTransformer(AxisDependency::left);
    if (!animated) {
        ZoomViewJob(handler, scaleX, scaleY, x, y, transformer, AxisDependency::left, &view).doJob();
        return;
    }
    const QPointF origin = view.valueForTouchPoint(
        QPointF(handler->contentLeft(), handler->contentTop()), AxisDependency::left);
    MediaClock::setNow(100);
    AnimatedZoomViewJob job(handler, transformer, &view, view.getAxis(AxisDependency::left),
                            view.xAxis()->axisRange(), scaleX, scaleY, handler->scaleX(),
                            handler->scaleY(), x, y, origin.x(), origin.y(), 1, {});
    job.doJob();
    MediaClock::setNow(101);
    job.animationLoop();
    MediaClock::setNow(std::nullopt);
}

}

TEST(ViewPortJobDeathTest, BaseJobStopsTheProgram)
{
    JobTestChart fixture;
    ViewPortJob job(fixture.handler, 1, 2, fixture.transformer, fixture.chart.get());
    const auto run = [&] {
        ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
        job.doJob();
    };
    EXPECT_DEATH(run(), "`doJob\\(\\)` must be overridden by subclasses");
}

TEST(MoveViewJob, PutsTheValueAtTheContentsTopLeft)
{
    struct Case {
        const char* name;
        double scaleX, scaleY, xValue, yValue;
        AffineTransform expected;
    };
    const Case cases[] = {
        {"x at the left edge", 4, 1, 10, 0, {4, 0, 0, 1, -80, 0}},
        {"pulled back by the right end", 4, 1, 200, 0, {4, 0, 0, 1, -690, 0}},
        {"y at the top edge", 1, 2, 0, 100, {1, 0, 0, 2, 0, 75}},
        {"a NaN value leaves the view port", 4, 1, notANumber, 0, {4, 0, 0, 1, 0, 0}},
        {"an infinite value leaves the view port", 1, 2, 0, infinity, {1, 0, 0, 2, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JobTestChart fixture;
        fixture.zoomTo(c.scaleX, c.scaleY);
        MoveViewJob(fixture.handler, c.xValue, c.yValue, fixture.transformer, fixture.chart.get())
            .doJob();
        EXPECT_EQ(fixture.handler->touchMatrix(), c.expected);
        EXPECT_EQ(fixture.chart->redraws.size(), std::isfinite(c.xValue + c.yValue) ? 1 : 0);
    }
}

TEST(MoveViewJob, DoesNothingOnceWhatItRefersToIsGone)
{
    struct Case {
        const char* name;
        bool dropView, dropTransformer;
    };
    const Case cases[] = {{"view", true, false}, {"transformer", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JobTestChart fixture;
        fixture.zoomTo(4, 1);
        MoveViewJob job(fixture.handler, 10, 0, fixture.transformer, fixture.chart.get());
        if (c.dropView) {
            fixture.chart.reset();
        }
        if (c.dropTransformer) {
            fixture.transformer.reset();
        }
        job.doJob();
        EXPECT_EQ(fixture.handler->touchMatrix(), AffineTransform(4, 0, 0, 1, 0, 0));
    }
}

TEST(ZoomViewJobs, EndAtTheScalesWithTheValueInTheMiddle)
{
    struct Case {
        const char* name;
        bool animated;
        double scaleX, scaleY;
    };
    const Case cases[] = {
        {"x only", false, 2, 1},
        {"both axes", false, 2, 2},
        {"x only, animated", true, 2, 1},
        {"both axes, animated", true, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = makeLineChart();
        const auto handler = view->viewPortHandler();
        runZoomJob(*view, c.animated, c.scaleX, c.scaleY, 10, 50);
        EXPECT_EQ(handler->scaleX(), c.scaleX);
        EXPECT_EQ(handler->scaleY(), c.scaleY);
        const QPointF middle = view->valueForTouchPoint(handler->contentCenter(), AxisDependency::left);
        EXPECT_NEAR(middle.x(), 10, 1e-9);
        if (c.scaleY > 1) {
            EXPECT_NEAR(middle.y(), 50, 1e-9);
        }
    }
}

TEST(ZoomViewJobs, LayTheViewOutAgain)
{
    for (const bool animated : {false, true}) {
        SCOPED_TRACE(animated ? "animated" : "at once");
        const auto view = makeLineChart();
        const auto handler = view->viewPortHandler();
        const QRectF laidOut = handler->contentRect();
        handler->restrainViewPort(0, 0, 0, 0);
        runZoomJob(*view, animated, 2, 1, 10, 50);
        EXPECT_EQ(handler->contentRect(), laidOut);
    }
}

TEST(ZoomViewJob, ChangesNothingWithoutAnXYViewOrWithANonFiniteScale)
{
    JobTestChart fixture;
    ZoomViewJob(fixture.handler, 2, 2, 10, 50, fixture.transformer, AxisDependency::left,
                fixture.chart.get())
        .doJob();
    EXPECT_EQ(fixture.handler->touchMatrix(), AffineTransform());

    const auto view = makeLineChart();
    const auto handler = view->viewPortHandler();
    ZoomViewJob(handler, notANumber, 2, 10, 50, view->getTransformer(AxisDependency::left),
                AxisDependency::left, view.get())
        .doJob();
    EXPECT_EQ(handler->touchMatrix(), AffineTransform());
}
