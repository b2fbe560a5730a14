#pragma once

#include "ChartEngine/foundation/NSUIGestureRecognizer.h"

class QNativeGestureEvent;

namespace Charts {

// A two-finger rotation on a touchpad (Qt's native rotate gesture). The rotation is in radians,
// counter-clockwise positive, and accumulates from the gesture's start: began at the first
// rotate step (rotation 0), changed at every rotate step, that one too, ended with the gesture. Qt reports each step as
// a clockwise angle in degrees.
class NSUIRotationGestureRecognizer : public NSUIGestureRecognizer {
public:
    using Action = std::function<void(NSUIRotationGestureRecognizer&)>;

    explicit NSUIRotationGestureRecognizer(Action action);

    double rotation() const { return m_rotation; }
    void setRotation(double radians) { m_rotation = radians; }

    bool handleEvent(QEvent& event) override;

protected:
    void reset() override;

private:
    bool nativeGesture(const QNativeGestureEvent& event);

    double m_rotation = 0;
};

}
