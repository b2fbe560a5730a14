#pragma once

#include "ChartEngine/foundation/ChartEasingOption.h"
#include "ChartEngine/views/ViewPortJob.h"

#include <memory>

namespace Charts {

class NSUIDisplayLink;

// A view-port job spread over time: `doJob` starts a display link, and every frame takes the
// phase (0 to 1 over the duration, along the easing curve; linear without one) from MediaClock
// and applies a step at that phase. The last frame stops with finish: the phase ends at exactly
// 1 and the end hook runs once.
//
// A phase that is not finite (a zero duration gives 0 / 0) counts as 1, so such a job lands on
// its target at its first frame and ends there.
//
// A running job must be kept alive until it stops. Started by a chart view's job queue, it hands
// itself to the view at the start and takes itself back at the stop (ChartViewBase's
// retainRunningJob and releaseRunningJob); otherwise its caller keeps it. A job destroyed while
// running stops where it is, without its end hook.
class AnimatedViewPortJob : public ViewPortJob {
    Q_OBJECT

public:
    AnimatedViewPortJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler, double xValue,
                        double yValue, const std::shared_ptr<Transformer>& transformer,
                        QObject* view, double xOrigin, double yOrigin, double duration,
                        ChartEasingFunction easing);
    ~AnimatedViewPortJob() override;

    // Starts the animation.
    void doJob() override;

    // Records the start on MediaClock, takes the phase at elapsed 0 (no step yet) and starts a
    // new display link in place of any previous one.
    virtual void start();
    // Stops the display link. With finish, the phase is brought to 1 (with one more step when it
    // was not exactly 1) and the end hook runs. A job that is not running does nothing at all.
    virtual void stop(bool finish);
    // One frame: the phase for MediaClock's time, a step, and the stop with finish once the end
    // time is reached. The display link's action.
    virtual void animationLoop();
    // Applies the change at the current phase; the base does nothing.
    virtual void animationStep();
    // Runs once after the last step of a finished animation; the base does nothing.
    virtual void animationDidEnd();

    // Whether a display link drives the job (between start and stop).
    bool isRunning() const { return m_displayLink != nullptr; }

    double phase() const { return m_phase; }
    double xOrigin() const { return m_xOrigin; }
    double yOrigin() const { return m_yOrigin; }

private:
    void updatePhase(double currentTime);

    double m_phase = 1;
    double m_xOrigin = 0;
    double m_yOrigin = 0;
    double m_startTime = 0;
    std::unique_ptr<NSUIDisplayLink> m_displayLink;
    double m_duration = 0;
    double m_endTime = 0;
    ChartEasingFunction m_easing;
};

}
