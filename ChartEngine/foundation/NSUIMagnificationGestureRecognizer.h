#pragma once

#include "ChartEngine/foundation/NSUIGestureRecognizer.h"

class QNativeGestureEvent;
class QWheelEvent;

namespace Charts {

// A magnification: a touchpad pinch (Qt's native zoom gesture) or the wheel turned with Ctrl
// held. The magnification is what is added to 1 to give the scale factor; it grows with every
// step of the gesture until someone sets it back (the chart views do after each step, so each
// step reports its own change). A pinch begins, changes with every zoom step and ends with the
// gesture. A Ctrl + wheel turn is a whole gesture at once: began, one change of
// `wheelNotchMagnification` per notch (up magnifies, down shrinks), ended. A wheel turned
// without Ctrl is not used: it scrolls whatever holds the view.
class NSUIMagnificationGestureRecognizer : public NSUIGestureRecognizer {
public:
    using Action = std::function<void(NSUIMagnificationGestureRecognizer&)>;

    // The magnification of one wheel notch (Qt's 120 eighths of a degree).
    static constexpr double wheelNotchMagnification = 0.1;

    explicit NSUIMagnificationGestureRecognizer(Action action);

    double magnification() const { return m_magnification; }
    void setMagnification(double magnification) { m_magnification = magnification; }

    bool handleEvent(QEvent& event) override;

protected:
    void reset() override;

private:
    bool nativeGesture(const QNativeGestureEvent& event);
    bool wheel(const QWheelEvent& event);

    double m_magnification = 0;
};

}
