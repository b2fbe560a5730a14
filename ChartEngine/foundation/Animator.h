#pragma once

#include "ChartEngine/foundation/AnimatorDelegate.h"
#include "ChartEngine/foundation/ChartEasingOption.h"

#include <QObject>
#include <functional>
#include <memory>

namespace Charts {

class NSUIDisplayLink;

// Drives a chart's appearance animation: two phases, x and y, run from 0 to 1 over their
// durations along their easing curves, and renderers scale what they draw by them. The phases
// come from MediaClock at each step, so a late or dropped step does not stretch an animation.
// A display link paces the steps while an animation runs.
//
// Shared by the chart view and its renderers (std::shared_ptr). The delegate is held weakly.
class Animator : public QObject {
    Q_OBJECT

public:
    using Block = std::function<void()>;

    Animator();
    // Ends a running animation silently: neither the delegate nor the blocks are called, since
    // the owner may be half destroyed.
    ~Animator() override;

    AnimatorDelegate* delegate() const;
    void setDelegate(AnimatorDelegate* delegate);

    // Called after every step, after the delegate.
    const Block& updateBlock() const { return m_updateBlock; }
    void setUpdateBlock(Block block);
    // Called once when an animation stops, after the delegate.
    const Block& stopBlock() const { return m_stopBlock; }
    void setStopBlock(Block block);

    virtual double phaseX() const { return m_phaseX; }
    virtual void setPhaseX(double phase);
    virtual double phaseY() const { return m_phaseY; }
    virtual void setPhaseY(double phase);

    // Ends a running animation: both phases become 1 (with one more update when either was not
    // 1), then the delegate and the stop block are told. Does nothing while idle.
    virtual void stop();
    // Recomputes the phases of the animated axes for a MediaClock time; notifies nobody.
    virtual void updatePhases(double currentTime);
    // One step: the action of the display link.
    virtual void animationLoop();

    // Two-axis starts: stop any running animation, then animate each axis whose duration
    // (seconds) is above 0. An empty easing function means linear.
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easingX,
                         ChartEasingFunction easingY);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                         ChartEasingOption easingOptionY);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easing);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption);

    // One-axis starts: animate one axis and leave the other as it is; a running animation goes
    // on and its steps drive the new axis too.
    virtual void animateX(double xAxisDuration, ChartEasingFunction easing);
    virtual void animateX(double xAxisDuration, ChartEasingOption easingOption);
    virtual void animateY(double yAxisDuration, ChartEasingFunction easing);
    virtual void animateY(double yAxisDuration, ChartEasingOption easingOption);

private:
    // The progress of one axis.
    struct Axis {
        double startTime = 0;
        double duration = 0;
        double endTime = 0;
        bool enabled = false;
        ChartEasingFunction easing;

        void begin(double now, double length, ChartEasingFunction curve);
        // The phase at a MediaClock time: elapsed capped at the duration, not below 0.
        double phaseAt(double currentTime) const;
    };

    void startDisplayLink();
    void notifyUpdated();
    void notifyStopped();

    std::weak_ptr<AnimatorDelegate*> m_delegate;
    Block m_updateBlock;
    Block m_stopBlock;
    double m_phaseX = 1.0;
    double m_phaseY = 1.0;

    Axis m_x;
    Axis m_y;
    double m_endTime = 0;
    // Present exactly while an animation runs.
    std::unique_ptr<NSUIDisplayLink> m_displayLink;
};

}
