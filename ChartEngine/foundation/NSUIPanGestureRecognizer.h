#pragma once

#include "ChartEngine/foundation/NSUIGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIVelocityTracker.h"

#include <optional>

namespace Charts {

// A drag with the left button. It begins once the pointer has travelled the platform's drag
// distance from the press (a single press or the second press of a double click), changes with
// every move after that and ends at the release. The location is the pointer's; the
// translation is the way from the press; the velocity comes from the recent moves (points per
// second).
class NSUIPanGestureRecognizer : public NSUIGestureRecognizer {
public:
    using Action = std::function<void(NSUIPanGestureRecognizer&)>;

    explicit NSUIPanGestureRecognizer(Action action);

    QPointF translation() const { return m_translation; }
    // The translation from now on is measured from a point that lies `translation` back from
    // the pointer.
    void setTranslation(QPointF translation);
    QPointF velocity() const { return m_velocity; }
    void setVelocity(QPointF velocity) { m_velocity = velocity; }

    bool handleEvent(QEvent& event) override;

protected:
    void reset() override;

private:
    void press(QPointF position, double seconds);
    void move(QPointF position, double seconds);
    void release(QPointF position, double seconds);
    void track(QPointF position, double seconds);

    // Where the translation is measured from: the press, while a press is held.
    std::optional<QPointF> m_origin;
    QPointF m_translation{0, 0};
    QPointF m_velocity{0, 0};
    NSUIVelocityTracker m_tracker;
};

}
