#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/EasingFunctions.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"
#include "ChartEngine/views/AnimatedMoveViewJob.h"
#include "ChartEngine/views/AnimatedZoomViewJob.h"

#include "JobTestChart.h"
#include "support/EventWait.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double startTime = 100;

// Logs each step with its phase, and the end hook.
class RecordingJob : public AnimatedViewPortJob {
public:
    RecordingJob(JobTestChart& fixture, double duration, ChartEasingFunction easing,
                 QStringList& log)
        : AnimatedViewPortJob(fixture.handler, 0, 0, fixture.transformer, fixture.chart.get(), 0,
                              0, duration, std::move(easing))
        , m_log(log)
    {
    }

    void animationStep() override { m_log << QStringLiteral("step %1").arg(phase()); }
    void animationDidEnd() override { m_log << QStringLiteral("end"); }

private:
    QStringList& m_log;
};

class AnimatedViewPortJobTest : public testing::Test {
protected:
    void SetUp() override { MediaClock::setNow(startTime); }
    void TearDown() override { MediaClock::setNow(std::nullopt); }

    // One frame at a pinned clock time, as the display link runs it.
    static void frameAt(AnimatedViewPortJob& job, double seconds)
    {
        MediaClock::setNow(seconds);
        job.animationLoop();
    }

    JobTestChart fixture;
    QStringList log;
};

}

TEST_F(AnimatedViewPortJobTest, FramesFollowThePhaseAndEndAtExactlyOne)
{
    struct Case {
        const char* name;
        double duration;
        ChartEasingFunction easing;
        std::vector<double> frames;
        QStringList expected;
    };
    const auto shortOfOne = [](double elapsed, double duration) { return 0.9 * elapsed / duration; };
    const Case cases[] = {
        {"linear", 1, {}, {100.5, 101.25}, {"step 0.5", "step 1", "end"}},
        {"an easing short of 1 gets one more step", 1, shortOfOne, {101}, {"step 0.9", "step 1", "end"}},
        {"zero duration lands at once", 0, {}, {100}, {"step 1", "end"}},
        {"zero duration with an easing", 0, EasingFunctions::easeInOutSine, {100}, {"step 1", "end"}},
        {"NaN duration", std::numeric_limits<double>::quiet_NaN(), {}, {100}, {"step 1", "end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MediaClock::setNow(startTime);
        log.clear();
        RecordingJob job(fixture, c.duration, c.easing, log);
        job.doJob();
        // Starting takes the phase without a step.
        EXPECT_TRUE(log.isEmpty());
        EXPECT_TRUE(job.isRunning());
        for (double time : c.frames) {
            frameAt(job, time);
        }
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(job.isRunning());
    }
}

TEST_F(AnimatedViewPortJobTest, OnlyAFinishingStopOfARunningJobEndsIt)
{
    struct Case {
        const char* name;
        bool started;
        bool finish;
        QStringList expected;
    };
    const Case cases[] = {
        {"never started", false, true, {}},
        {"stopped where it is", true, false, {"step 0.5"}},
        {"finished early", true, true, {"step 0.5", "step 1", "end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        RecordingJob job(fixture, 1, {}, log);
        if (c.started) {
            MediaClock::setNow(startTime);
            job.doJob();
            frameAt(job, 100.5);
        }
        job.stop(c.finish);
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(job.isRunning());
    }
}

TEST_F(AnimatedViewPortJobTest, DestroyedWhileRunningItStopsWithoutTheEndHook)
{
    auto job = std::make_unique<RecordingJob>(fixture, 1, ChartEasingFunction(), log);
    job->doJob();
    frameAt(*job, 100.5);
    job.reset();
    EXPECT_EQ(log, QStringList({"step 0.5"}));
}

TEST_F(AnimatedViewPortJobTest, TheDisplayLinkDrivesTheJobToItsEnd)
{
    fixture.zoomTo(4, 1);
    AnimatedMoveViewJob job(fixture.handler, 10, 0, fixture.transformer, fixture.chart.get(), 0, 0,
                            1, {});
    job.doJob();
    MediaClock::setNow(101);
    waitUntil([&] { return !job.isRunning(); });
    EXPECT_EQ(fixture.handler->touchMatrix(), AffineTransform(4, 0, 0, 1, -80, 0));
}

TEST_F(AnimatedViewPortJobTest, AnimatedMovePutsThePointReachedAtTheLeftEdge)
{
    struct Case {
        const char* name;
        double duration;
        ChartEasingFunction easing;
        double time;
        double transX;
        bool running;
    };
    const Case cases[] = {
        {"half way: x 5", 1, {}, 100.5, -40, true},
        {"the end: x 10", 1, {}, 101, -80, false},
        {"along the easing: x 2.5", 1, EasingFunctions::easeInQuad, 100.5, -20, true},
        {"zero duration: x 10 at once", 0, {}, 100, -80, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MediaClock::setNow(startTime);
        JobTestChart chart;
        chart.zoomTo(4, 1);
        AnimatedMoveViewJob job(chart.handler, 10, 0, chart.transformer, chart.chart.get(), 0, 0,
                                c.duration, c.easing);
        job.doJob();
        frameAt(job, c.time);
        EXPECT_EQ(chart.handler->touchMatrix(), AffineTransform(4, 0, 0, 1, c.transX, 0));
        EXPECT_EQ(job.isRunning(), c.running);
    }
}

TEST_F(AnimatedViewPortJobTest, AJobOutlivingItsViewLeavesTheViewPort)
{
    fixture.zoomTo(4, 1);
    AnimatedMoveViewJob job(fixture.handler, 10, 0, fixture.transformer, fixture.chart.get(), 0, 0,
                            1, {});
    job.doJob();
    fixture.chart.reset();
    frameAt(job, 101);
    EXPECT_FALSE(job.isRunning());
    EXPECT_EQ(fixture.handler->touchMatrix(), AffineTransform(4, 0, 0, 1, 0, 0));
}

TEST_F(AnimatedViewPortJobTest, AnimatedZoomEndsWithTheCentreInTheMiddle)
{
    auto yAxis = std::make_shared<YAxis>(AxisDependency::left);
    yAxis->setAxisRange(125);
    // From the full view (value (0, 125) at the top-left) to scales (3, 2) about (50, 60).
    AnimatedZoomViewJob job(fixture.handler, fixture.transformer, fixture.chart.get(), yAxis, 115,
                            3, 2, 1, 1, 50, 60, 0, 125, 1, {});
    job.doJob();

    frameAt(job, 100.5);
    const AffineTransform half = fixture.handler->touchMatrix();
    EXPECT_EQ(half.a, 2);
    EXPECT_EQ(half.d, 1.5);
    EXPECT_EQ(half.tx, -42.5);

    const qsizetype redrawsBefore = fixture.chart->redraws.size();
    frameAt(job, 101);
    EXPECT_EQ(fixture.handler->scaleX(), 3);
    EXPECT_EQ(fixture.handler->scaleY(), 2);
    const QPointF centre = fixture.valueAt(fixture.handler->contentCenter());
    EXPECT_NEAR(centre.x(), 50, 1e-9);
    EXPECT_NEAR(centre.y(), 60, 1e-9);
    // Two refreshes, then the end hook's redraw.
    EXPECT_EQ(fixture.chart->redraws.size() - redrawsBefore, 3);
}

TEST_F(AnimatedViewPortJobTest, TheViewKeepsAJobItStartedUntilTheEndOrItsOwnDestruction)
{
    for (const bool closedMidway : {false, true}) {
        SCOPED_TRACE(closedMidway ? "view closed half way" : "view kept");
        MediaClock::setNow(startTime);
        auto view = makeLineChart();
        const auto handler = view->viewPortHandler();
        handler->refresh(handler->setZoom(4, 1), view.get(), false);
        const auto leftValue = [&] {
            return view->valueForTouchPoint(QPointF(handler->contentLeft(), handler->contentTop()),
                                            AxisDependency::left).x();
        };
        // From x -100 at the left edge to x 0 there, over one second.
        view->moveViewToAnimated(0, 0, AxisDependency::left, 1, EasingFunctions::linear);

        MediaClock::setNow(100.5);
        waitUntil([&] { return handler->transX() != 0; });
        EXPECT_NEAR(leftValue(), -50, 1e-9);
        const double halfWay = handler->transX();

        MediaClock::setNow(101);
        if (closedMidway) {
            view.reset();
            // Frames that a job left running would take: there are none.
            QTest::qWait(5 * NSUIDisplayLink::intervalMilliseconds);
            EXPECT_EQ(handler->transX(), halfWay);
        } else {
            waitUntil([&] { return handler->transX() != halfWay; });
            EXPECT_NEAR(leftValue(), 0, 1e-9);
        }
    }
}
