#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/EasingFunctions.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/AnimatedMoveViewJob.h"
#include "ChartEngine/views/AnimatedZoomViewJob.h"
#include "ChartEngine/views/LineChartView.h"
#include "ChartEngine/views/MoveViewJob.h"
#include "ChartEngine/views/ZoomViewJob.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

using namespace Charts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// A line chart view of 300 x 200, never shown, over x -100 to 100 and y 0 to 100 (the left
// axis spans -10 to 110), zoomed to the scales given.
std::unique_ptr<LineChartView> makeLineChart(double scaleX = 1, double scaleY = 1)
{
    auto view = std::make_unique<LineChartView>(QRect(0, 0, 300, 200));
    const ChartDataEntryList entries{std::make_shared<ChartDataEntry>(-100, 0),
                                     std::make_shared<ChartDataEntry>(100, 100)};
    view->setData(std::make_shared<LineChartData>(
        ChartDataSetList{std::make_shared<LineChartDataSet>(entries)}));
    const auto handler = view->viewPortHandler();
    handler->refresh(handler->setZoom(scaleX, scaleY), view.get(), false);
    return view;
}

QPointF topLeftValue(const LineChartView& view)
{
    const auto handler = view.viewPortHandler();
    return view.valueForTouchPoint(QPointF(handler->contentLeft(), handler->contentTop()),
                                   AxisDependency::left);
}

// Runs a zoom to (scaleX, scaleY) about the value (x, y), at once or animated over one second.
void runZoomJob(LineChartView& view, bool animated, double scaleX, double scaleY, double x, double y)
{
    const auto handler = view.viewPortHandler();
    const auto transformer = view.getTransformer(AxisDependency::left);
    if (!animated) {
        ZoomViewJob(handler, scaleX, scaleY, x, y, transformer, AxisDependency::left, &view).doJob();
        return;
    }
    const QPointF origin = topLeftValue(view);
    MediaClock::setNow(100);
    AnimatedZoomViewJob job(handler, transformer, &view, view.getAxis(AxisDependency::left),
                            view.xAxis()->axisRange(), scaleX, scaleY, handler->scaleX(),
                            handler->scaleY(), x, y, origin.x(), origin.y(), 1, {});
    job.doJob();
    MediaClock::setNow(101);
    job.animationLoop();
}

// Logs each step with its phase, and the end hook.
class RecordingJob : public AnimatedViewPortJob {
public:
    RecordingJob(double duration, ChartEasingFunction easing, QStringList& log)
        : AnimatedViewPortJob(nullptr, 0, 0, nullptr, nullptr, 0, 0, duration, std::move(easing))
        , m_log(log)
    {
    }

    void animationStep() override { m_log << QStringLiteral("step %1").arg(phase()); }
    void animationDidEnd() override { m_log << QStringLiteral("end"); }

private:
    QStringList& m_log;
};

class ViewPortJobTest : public testing::Test {
protected:
    void SetUp() override { MediaClock::setNow(100); }
    void TearDown() override { MediaClock::setNow(std::nullopt); }
};

}

TEST(ViewPortJobDeathTest, BaseJobStopsTheProgram)
{
    const auto view = makeLineChart();
    ViewPortJob job(view->viewPortHandler(), 1, 2, view->getTransformer(AxisDependency::left), view.get());
    const auto run = [&] {
        ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
        job.doJob();
    };
    EXPECT_DEATH(run(), "`doJob\\(\\)` must be overridden by subclasses");
}

TEST_F(ViewPortJobTest, MovesPutTheValueAtTheContentsTopLeft)
{
    struct Case {
        const char* name;
        double scaleX, scaleY, xValue, yValue;
        QPointF expected;
    };
    const Case cases[] = {
        {"x at the left edge, y pulled back by the top", 4, 1, -20, 0, {-20, 110}},
        {"y at the top edge", 1, 2, 0, 80, {-100, 80}},
        {"a NaN value leaves the view port", 4, 1, notANumber, 0, {-100, 110}},
        {"an infinite value leaves the view port", 1, 2, 0, infinity, {-100, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = makeLineChart(c.scaleX, c.scaleY);
        MoveViewJob(view->viewPortHandler(), c.xValue, c.yValue,
                    view->getTransformer(AxisDependency::left), view.get())
            .doJob();
        const QPointF topLeft = topLeftValue(*view);
        EXPECT_NEAR(topLeft.x(), c.expected.x(), 1e-9);
        EXPECT_NEAR(topLeft.y(), c.expected.y(), 1e-9);
    }
}

TEST_F(ViewPortJobTest, ZoomsEndAtTheScalesWithTheValueInTheMiddle)
{
    struct Case {
        const char* name;
        bool animated;
        double scaleX, scaleY, endScaleX, endScaleY;
    };
    const Case cases[] = {
        {"x only", false, 2, 1, 2, 1},
        {"both axes", false, 2, 2, 2, 2},
        {"a NaN scale changes nothing", false, notANumber, 2, 1, 1},
        {"x only, animated", true, 2, 1, 2, 1},
        {"both axes, animated", true, 2, 2, 2, 2},
        {"a NaN scale changes nothing, animated", true, 2, notANumber, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = makeLineChart();
        const auto handler = view->viewPortHandler();
        runZoomJob(*view, c.animated, c.scaleX, c.scaleY, 10, 50);
        EXPECT_EQ(handler->scaleX(), c.endScaleX);
        EXPECT_EQ(handler->scaleY(), c.endScaleY);
        // Unzoomed, the middle is x 0 and y 50.
        const QPointF middle = view->valueForTouchPoint(handler->contentCenter(), AxisDependency::left);
        EXPECT_NEAR(middle.x(), c.endScaleX > 1 ? 10 : 0, 1e-9);
        EXPECT_NEAR(middle.y(), 50, 1e-9);
    }
}

TEST_F(ViewPortJobTest, ZoomsLayTheViewOutAgain)
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

TEST_F(ViewPortJobTest, AnimatedFramesFollowThePhaseAndEndAtExactlyOne)
{
    struct Case {
        const char* name;
        double duration;
        ChartEasingFunction easing;
        std::vector<double> frames;
        std::optional<bool> stopFinishing;
        QStringList expected;
    };
    const auto shortOfOne = [](double elapsed, double duration) { return 0.9 * elapsed / duration; };
    const Case cases[] = {
        {"linear", 1, {}, {100.5, 101.25}, {}, {"step 0.5", "step 1", "end"}},
        {"an easing short of 1 gets one more step", 1, shortOfOne, {101}, {}, {"step 0.9", "step 1", "end"}},
        {"zero duration lands at once", 0, {}, {100}, {}, {"step 1", "end"}},
        {"zero duration with an easing", 0, EasingFunctions::easeInOutSine, {100}, {}, {"step 1", "end"}},
        {"NaN duration", notANumber, {}, {100}, {}, {"step 1", "end"}},
        {"stopped where it is", 1, {}, {100.5}, false, {"step 0.5"}},
        {"finished early", 1, {}, {100.5}, true, {"step 0.5", "step 1", "end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MediaClock::setNow(100);
        QStringList log;
        RecordingJob job(c.duration, c.easing, log);
        // A job never started ignores a stop; starting takes the phase without a step.
        job.stop(true);
        job.doJob();
        EXPECT_TRUE(log.isEmpty());
        for (double time : c.frames) {
            MediaClock::setNow(time);
            job.animationLoop();
        }
        if (c.stopFinishing) {
            job.stop(*c.stopFinishing);
        }
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(job.isRunning());
    }
}

TEST_F(ViewPortJobTest, AJobOutlivingItsViewLeavesTheViewPort)
{
    auto view = makeLineChart(4, 1);
    const auto handler = view->viewPortHandler();
    AnimatedMoveViewJob job(handler, 0, 0, view->getTransformer(AxisDependency::left), view.get(),
                            -100, 110, 1, {});
    job.doJob();
    view.reset();
    MediaClock::setNow(101);
    job.animationLoop();
    EXPECT_FALSE(job.isRunning());
    EXPECT_EQ(handler->transX(), 0);
}
