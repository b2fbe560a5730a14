#include "ChartEngine/views/AnimatedViewPortJob.h"

#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"
#include "ChartEngine/views/ChartViewBase.h"

#include <cmath>

namespace Charts {

AnimatedViewPortJob::AnimatedViewPortJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler,
                                         double xValue, double yValue,
                                         const std::shared_ptr<Transformer>& transformer,
                                         QObject* view, double xOrigin, double yOrigin,
                                         double duration, ChartEasingFunction easing)
    : ViewPortJob(viewPortHandler, xValue, yValue, transformer, view)
    , m_xOrigin(xOrigin)
    , m_yOrigin(yOrigin)
    , m_duration(duration)
    , m_easing(std::move(easing))
{
}

AnimatedViewPortJob::~AnimatedViewPortJob()
{
    AnimatedViewPortJob::stop(false);
}

void AnimatedViewPortJob::doJob()
{
    start();
}

void AnimatedViewPortJob::start()
{
    m_startTime = MediaClock::now();
    m_endTime = m_startTime + m_duration;
    updatePhase(m_startTime);
    m_displayLink = std::make_unique<NSUIDisplayLink>(this, &AnimatedViewPortJob::animationLoop);
    m_displayLink->start();
    if (auto* chartView = qobject_cast<ChartViewBase*>(view())) {
        chartView->retainRunningJob(this);
    }
}

void AnimatedViewPortJob::stop(bool finish)
{
    if (!m_displayLink) {
        return;
    }
    // When this runs inside the link's own frame, the link allows being destroyed here.
    m_displayLink->stop();
    m_displayLink.reset();
    if (finish) {
        if (m_phase != 1.0) {
            m_phase = 1.0;
            animationStep();
        }
        animationDidEnd();
    }
    // The view lets the job go only after the current event: nothing here runs on freed memory.
    if (auto* chartView = qobject_cast<ChartViewBase*>(view())) {
        chartView->releaseRunningJob(this);
    }
}

void AnimatedViewPortJob::animationLoop()
{
    const double now = MediaClock::now();
    updatePhase(now);
    animationStep();
    // Written so that an end time of NaN (a NaN duration) ends at the first frame too.
    if (!(now < m_endTime)) {
        stop(true);
    }
}

void AnimatedViewPortJob::animationStep()
{
}

void AnimatedViewPortJob::animationDidEnd()
{
}

void AnimatedViewPortJob::updatePhase(double currentTime)
{
    double elapsed = currentTime - m_startTime;
    if (m_duration < elapsed) {
        elapsed = m_duration;
    }
    const double phase = m_easing ? m_easing(elapsed, m_duration) : elapsed / m_duration;
    // A zero duration gives 0 / 0: such a job is at its end from the start.
    m_phase = std::isfinite(phase) ? phase : 1.0;
}

}
