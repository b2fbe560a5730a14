#include "ChartEngine/foundation/Animator.h"

#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"

namespace Charts {

namespace {

// The larger of two times; the second on a tie.
double later(double a, double b)
{
    return b >= a ? b : a;
}

}

void Animator::Axis::begin(double now, double length, ChartEasingFunction curve)
{
    startTime = now;
    duration = length;
    endTime = startTime + duration;
    enabled = length > 0;
    easing = std::move(curve);
}

double Animator::Axis::phaseAt(double currentTime) const
{
    double elapsed = currentTime - startTime;
    if (duration < elapsed) {
        elapsed = duration;
    }
    return easing ? easing(elapsed, duration) : elapsed / duration;
}

Animator::Animator() = default;

Animator::~Animator()
{
    if (m_displayLink) {
        m_displayLink->stop();
        m_displayLink.reset();
    }
}

AnimatorDelegate* Animator::delegate() const
{
    const std::shared_ptr<AnimatorDelegate*> self = m_delegate.lock();
    return self ? *self : nullptr;
}

void Animator::setDelegate(AnimatorDelegate* delegate)
{
    m_delegate = delegate ? std::weak_ptr<AnimatorDelegate*>(delegate->m_self)
                          : std::weak_ptr<AnimatorDelegate*>();
}

void Animator::setUpdateBlock(Block block)
{
    m_updateBlock = std::move(block);
}

void Animator::setStopBlock(Block block)
{
    m_stopBlock = std::move(block);
}

void Animator::setPhaseX(double phase)
{
    m_phaseX = phase;
}

void Animator::setPhaseY(double phase)
{
    m_phaseY = phase;
}

void Animator::stop()
{
    if (!m_displayLink) {
        return;
    }
    m_displayLink->stop();
    m_displayLink.reset();
    m_x.enabled = false;
    m_y.enabled = false;
    if (phaseX() != 1.0 || phaseY() != 1.0) {
        setPhaseX(1.0);
        setPhaseY(1.0);
        notifyUpdated();
    }
    notifyStopped();
}

void Animator::updatePhases(double currentTime)
{
    if (m_x.enabled) {
        setPhaseX(m_x.phaseAt(currentTime));
    }
    if (m_y.enabled) {
        setPhaseY(m_y.phaseAt(currentTime));
    }
}

void Animator::animationLoop()
{
    const double now = MediaClock::now();
    updatePhases(now);
    notifyUpdated();
    if (now >= m_endTime) {
        stop();
    }
}

void Animator::animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easingX,
                       ChartEasingFunction easingY)
{
    stop();
    const double now = MediaClock::now();
    m_x.begin(now, xAxisDuration, std::move(easingX));
    m_y.begin(now, yAxisDuration, std::move(easingY));
    m_endTime = later(m_x.endTime, m_y.endTime);
    // Each animated phase takes its value at elapsed 0, without a notification.
    updatePhases(m_x.startTime);
    if (!m_x.enabled && !m_y.enabled) {
        return;
    }
    startDisplayLink();
}

void Animator::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                       ChartEasingOption easingOptionY)
{
    animate(xAxisDuration, yAxisDuration, easingFunction(easingOptionX), easingFunction(easingOptionY));
}

void Animator::animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easing)
{
    ChartEasingFunction easingY = easing;
    animate(xAxisDuration, yAxisDuration, std::move(easing), std::move(easingY));
}

void Animator::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption)
{
    animate(xAxisDuration, yAxisDuration, easingFunction(easingOption));
}

void Animator::animateX(double xAxisDuration, ChartEasingFunction easing)
{
    m_x.begin(MediaClock::now(), xAxisDuration, std::move(easing));
    m_endTime = later(m_x.endTime, m_y.endTime);
    updatePhases(m_x.startTime);
    if ((!m_x.enabled && !m_y.enabled) || m_displayLink) {
        return;
    }
    startDisplayLink();
}

void Animator::animateX(double xAxisDuration, ChartEasingOption easingOption)
{
    animateX(xAxisDuration, easingFunction(easingOption));
}

void Animator::animateY(double yAxisDuration, ChartEasingFunction easing)
{
    m_y.begin(MediaClock::now(), yAxisDuration, std::move(easing));
    m_endTime = later(m_x.endTime, m_y.endTime);
    updatePhases(m_y.startTime);
    if ((!m_x.enabled && !m_y.enabled) || m_displayLink) {
        return;
    }
    startDisplayLink();
}

void Animator::animateY(double yAxisDuration, ChartEasingOption easingOption)
{
    animateY(yAxisDuration, easingFunction(easingOption));
}

void Animator::startDisplayLink()
{
    m_displayLink = std::make_unique<NSUIDisplayLink>(this, &Animator::animationLoop);
    m_displayLink->start();
}

void Animator::notifyUpdated()
{
    if (AnimatorDelegate* target = delegate()) {
        target->animatorUpdated(*this);
    }
    // A copy: the block may replace itself.
    if (const Block block = m_updateBlock) {
        block();
    }
}

void Animator::notifyStopped()
{
    if (AnimatorDelegate* target = delegate()) {
        target->animatorStopped(*this);
    }
    if (const Block block = m_stopBlock) {
        block();
    }
}

}
