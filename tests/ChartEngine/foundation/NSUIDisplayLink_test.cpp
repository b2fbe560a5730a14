#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"

#include "support/EventWait.h"

#include <QObject>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace Charts;

namespace {

class Target : public QObject {
public:
    void step() { ++steps; }
    int steps = 0;
};

class NSUIDisplayLinkTest : public testing::Test {
protected:
    void TearDown() override { MediaClock::setNow(std::nullopt); }
};

}

TEST_F(NSUIDisplayLinkTest, TicksOnTheGuiThreadAndRecordsTheClock)
{
    Target target;
    NSUIDisplayLink link(&target, &Target::step);
    EXPECT_EQ(link.timestamp(), 0.0);
    EXPECT_EQ(NSUIDisplayLink::intervalMilliseconds, 16);

    MediaClock::setNow(7.5);
    link.start();
    waitUntil([&] { return target.steps >= 2; });
    EXPECT_EQ(link.timestamp(), 7.5);
}

TEST_F(NSUIDisplayLinkTest, StopEndsTheTicks)
{
    Target target;
    NSUIDisplayLink link(&target, &Target::step);
    link.start();
    waitUntil([&] { return target.steps >= 1; });
    link.stop();
    const int steps = target.steps;
    QTest::qWait(60);
    EXPECT_EQ(target.steps, steps);
}

TEST_F(NSUIDisplayLinkTest, HoldsItsTargetWeakly)
{
    int steps = 0;
    auto target = std::make_unique<QObject>();
    NSUIDisplayLink link(target.get(), [&] { ++steps; });
    link.start();
    waitUntil([&] { return steps >= 1; });

    target.reset();
    const int stepsBefore = steps;
    // Still ticking (the time stamp moves on), but the action is no longer sent.
    MediaClock::setNow(42.0);
    waitUntil([&] { return link.timestamp() == 42.0; });
    EXPECT_EQ(steps, stepsBefore);
}

TEST_F(NSUIDisplayLinkTest, ActionMayDestroyItsOwnLink)
{
    QObject target;
    std::unique_ptr<NSUIDisplayLink> link;
    int steps = 0;
    link = std::make_unique<NSUIDisplayLink>(&target, [&] {
        ++steps;
        link.reset();
    });
    link->start();
    waitUntil([&] { return !link; });
    QTest::qWait(40);
    EXPECT_EQ(steps, 1);
}
