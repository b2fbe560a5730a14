#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/MediaClock.h"

#include "support/EventWait.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace Charts;

namespace {

// Records every notification, with the phases the delegate saw.
class RecordingDelegate : public AnimatorDelegate {
public:
    explicit RecordingDelegate(QStringList& log)
        : m_log(log)
    {
    }

    void animatorUpdated(Animator& animator) override
    {
        m_log << QStringLiteral("updated");
        phases.emplace_back(animator.phaseX(), animator.phaseY());
    }

    void animatorStopped(Animator& /*animator*/) override { m_log << QStringLiteral("stopped"); }

    std::vector<std::pair<double, double>> phases;

private:
    QStringList& m_log;
};

class AnimatorTest : public testing::Test {
protected:
    void SetUp() override
    {
        MediaClock::setNow(100.0);
        animator = std::make_unique<Animator>();
        animator->setDelegate(&delegate);
        animator->setUpdateBlock([this] { log << QStringLiteral("updateBlock"); });
        animator->setStopBlock([this] { log << QStringLiteral("stopBlock"); });
    }

    void TearDown() override { MediaClock::setNow(std::nullopt); }

    // One step at a pinned clock time, as the display link would run it.
    void stepAt(double seconds)
    {
        MediaClock::setNow(seconds);
        animator->animationLoop();
    }

    QStringList log;
    RecordingDelegate delegate{log};
    std::unique_ptr<Animator> animator;
};

const ChartEasingFunction linear;

}

TEST_F(AnimatorTest, NewAnimatorRestsAtFullPhases)
{
    Animator fresh;
    EXPECT_EQ(fresh.phaseX(), 1.0);
    EXPECT_EQ(fresh.phaseY(), 1.0);
    EXPECT_EQ(fresh.delegate(), nullptr);
    EXPECT_FALSE(fresh.updateBlock());
    EXPECT_FALSE(fresh.stopBlock());
}

TEST_F(AnimatorTest, TwoAxisAnimationStepsThenStopsOnceInOrder)
{
    animator->animate(1.0, 0.5, linear, linear);
    // Starting resets the phases without telling anyone.
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(animator->phaseX(), 0.0);
    EXPECT_EQ(animator->phaseY(), 0.0);

    stepAt(100.25);
    EXPECT_EQ(animator->phaseX(), 0.25);
    EXPECT_EQ(animator->phaseY(), 0.5);

    // Past y's end, y stays at 1 while x rises.
    stepAt(100.75);
    EXPECT_EQ(animator->phaseX(), 0.75);
    EXPECT_EQ(animator->phaseY(), 1.0);

    // The last step reports full phases, then stops without a further update.
    stepAt(101.0);
    EXPECT_EQ(log,
              QStringList({"updated", "updateBlock", "updated", "updateBlock", "updated",
                           "updateBlock", "stopped", "stopBlock"}));
    EXPECT_EQ(delegate.phases.back(), std::make_pair(1.0, 1.0));

    // Idle again: stop tells nobody.
    animator->stop();
    EXPECT_EQ(log.size(), 8);
}

TEST_F(AnimatorTest, StopSetsUnfinishedPhasesToOneWithOneMoreUpdate)
{
    // y is not animated and keeps 0.3 until the stop.
    animator->setPhaseY(0.3);
    animator->animate(1.0, 0.0, linear, linear);
    EXPECT_EQ(animator->phaseY(), 0.3);

    stepAt(101.5);
    EXPECT_EQ(log, QStringList({"updated", "updateBlock", "updated", "updateBlock", "stopped",
                                "stopBlock"}));
    ASSERT_EQ(delegate.phases.size(), 2u);
    EXPECT_EQ(delegate.phases[0], std::make_pair(1.0, 0.3));
    EXPECT_EQ(delegate.phases[1], std::make_pair(1.0, 1.0));
}

TEST_F(AnimatorTest, StoppingMidwayFinishesThePhases)
{
    animator->animate(2.0, 2.0, linear, linear);
    stepAt(101.0);
    log.clear();
    animator->stop();
    EXPECT_EQ(log, QStringList({"updated", "updateBlock", "stopped", "stopBlock"}));
    EXPECT_EQ(animator->phaseX(), 1.0);
    EXPECT_EQ(animator->phaseY(), 1.0);
}

TEST_F(AnimatorTest, TwoAxisStartStopsTheRunningAnimationFirst)
{
    animator->animate(1.0, 1.0, linear, linear);
    stepAt(100.5);
    log.clear();

    animator->animate(2.0, 2.0, ChartEasingOption::easeInQuad);
    EXPECT_EQ(log, QStringList({"updated", "updateBlock", "stopped", "stopBlock"}));
    EXPECT_EQ(animator->phaseX(), 0.0);
    EXPECT_EQ(animator->phaseY(), 0.0);

    // The new animation runs from the new start on its own curve.
    stepAt(101.5);
    EXPECT_EQ(animator->phaseX(), 0.25);
    EXPECT_EQ(animator->phaseY(), 0.25);
}

TEST_F(AnimatorTest, OneAxisStartJoinsARunningAnimation)
{
    animator->animateY(1.0, linear);
    stepAt(100.5);
    EXPECT_EQ(animator->phaseY(), 0.5);

    // x starts now and ends last; the y animation goes on without a stop.
    animator->animateX(2.0, linear);
    EXPECT_EQ(animator->phaseX(), 0.0);
    EXPECT_FALSE(log.contains("stopped"));

    stepAt(101.0);
    EXPECT_EQ(animator->phaseY(), 1.0);
    EXPECT_EQ(animator->phaseX(), 0.25);
    EXPECT_FALSE(log.contains("stopped"));

    stepAt(102.5);
    EXPECT_EQ(animator->phaseX(), 1.0);
    EXPECT_EQ(log.count("stopped"), 1);
    EXPECT_EQ(log.count("stopBlock"), 1);
}

TEST_F(AnimatorTest, OneAxisOptionFormsUseTheirCurves)
{
    animator->animateX(1.0, ChartEasingOption::easeOutQuad);
    animator->animateY(1.0, ChartEasingOption::easeInCubic);
    stepAt(100.5);
    EXPECT_EQ(animator->phaseX(), 0.75);
    EXPECT_EQ(animator->phaseY(), 0.125);
}

TEST_F(AnimatorTest, TwoAxisOptionFormTakesOneCurvePerAxis)
{
    animator->animate(1.0, 1.0, ChartEasingOption::easeInQuad, ChartEasingOption::easeOutQuad);
    stepAt(100.5);
    EXPECT_EQ(animator->phaseX(), 0.25);
    EXPECT_EQ(animator->phaseY(), 0.75);
}

TEST_F(AnimatorTest, NothingToAnimateChangesNothing)
{
    animator->setPhaseX(0.3);
    animator->setPhaseY(0.6);
    animator->animate(0.0, -1.0, linear, linear);
    animator->animateX(0.0, linear);
    animator->animateY(-2.0, ChartEasingOption::easeInQuad);
    // No display link was made: stopping has nothing to end.
    animator->stop();
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(animator->phaseX(), 0.3);
    EXPECT_EQ(animator->phaseY(), 0.6);
}

TEST_F(AnimatorTest, IdleStopTellsNobody)
{
    animator->stop();
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(AnimatorTest, ElapsedTimeIsNotHeldAtZero)
{
    animator->animate(1.0, 1.0, linear, linear);
    // A clock reading before the start gives a negative phase rather than 0.
    stepAt(99.5);
    EXPECT_EQ(animator->phaseX(), -0.5);
}

TEST_F(AnimatorTest, CustomCurveGetsElapsedAndDuration)
{
    std::vector<std::pair<double, double>> calls;
    animator->animate(2.0, 0.0, [&](double elapsed, double duration) {
        calls.emplace_back(elapsed, duration);
        return 0.9;
    }, linear);
    stepAt(103.0);
    // Start, then the last step with elapsed capped at the duration.
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(0.0, 2.0));
    EXPECT_EQ(calls[1], std::make_pair(2.0, 2.0));
    // 0.9 at the end is not 1, so the stop completes it.
    EXPECT_EQ(animator->phaseX(), 1.0);
    EXPECT_EQ(log.count("updated"), 2);
}

TEST_F(AnimatorTest, DestroyingARunningAnimatorTellsNobody)
{
    animator->animate(1.0, 1.0, linear, linear);
    stepAt(100.5);
    log.clear();
    animator.reset();
    EXPECT_TRUE(log.isEmpty());
    // No tick reaches the destroyed animator.
    QTest::qWait(40);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(AnimatorTest, DelegateIsHeldWeakly)
{
    QStringList otherLog;
    auto other = std::make_unique<RecordingDelegate>(otherLog);
    animator->setDelegate(other.get());
    EXPECT_EQ(animator->delegate(), other.get());
    other.reset();
    EXPECT_EQ(animator->delegate(), nullptr);

    animator->animate(1.0, 1.0, linear, linear);
    stepAt(101.0);
    // Only the blocks run.
    EXPECT_EQ(log, QStringList({"updateBlock", "stopBlock"}));
}

TEST_F(AnimatorTest, BlocksMayReplaceThemselves)
{
    animator->setUpdateBlock([this] {
        log << QStringLiteral("first");
        animator->setUpdateBlock([this] { log << QStringLiteral("second"); });
    });
    animator->animate(1.0, 1.0, linear, linear);
    stepAt(100.5);
    stepAt(100.6);
    EXPECT_EQ(log, QStringList({"updated", "first", "updated", "second"}));
}

TEST(AnimatorOnDisplayLink, RunsToTheEndOnTheRealClock)
{
    MediaClock::setNow(std::nullopt);
    QStringList log;
    RecordingDelegate delegate(log);
    Animator animator;
    animator.setDelegate(&delegate);
    animator.animate(0.05, 0.03, ChartEasingOption::easeOutQuad);

    // The last step stops the animation from inside the display link's own tick.
    waitUntil([&] { return log.contains("stopped"); });
    EXPECT_EQ(animator.phaseX(), 1.0);
    EXPECT_EQ(animator.phaseY(), 1.0);
    EXPECT_GE(log.count("updated"), 1);
    EXPECT_EQ(log.count("stopped"), 1);
    EXPECT_EQ(log.last(), "stopped");

    // Stopped for good: no further steps.
    const qsizetype count = log.size();
    QTest::qWait(50);
    EXPECT_EQ(log.size(), count);
}
