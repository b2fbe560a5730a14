#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/views/MoveViewJob.h"

#include "JobTestChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

using namespace Charts;
using namespace Charts::Testing;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

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
