#include "ChartEngine/foundation/NSUIRotationGestureRecognizer.h"

#include <QNativeGestureEvent>

#include <numbers>

namespace Charts {

NSUIRotationGestureRecognizer::NSUIRotationGestureRecognizer(Action action)
    : NSUIGestureRecognizer([this, action = std::move(action)] { action(*this); })
{
}

bool NSUIRotationGestureRecognizer::handleEvent(QEvent& event)
{
    if (event.type() != QEvent::NativeGesture) {
        return false;
    }
    return nativeGesture(static_cast<const QNativeGestureEvent&>(event));
}

bool NSUIRotationGestureRecognizer::nativeGesture(const QNativeGestureEvent& event)
{
    switch (event.gestureType()) {
    case Qt::BeginNativeGesture:
        // A touchpad gesture starts; it becomes a rotation at its first rotate step (a pinch
        // never does).
        if (isUnderWay()) {
            finish(State::cancelled);
        }
        return false;
    case Qt::RotateNativeGesture:
        if (!isUnderWay()) {
            begin(event.position());
        }
        setLocation(event.position());
        m_rotation -= event.value() * std::numbers::pi / 180.0;
        send(State::changed);
        return true;
    case Qt::EndNativeGesture:
        return endAt(event.position());
    default:
        return false;
    }
}

void NSUIRotationGestureRecognizer::reset()
{
    m_rotation = 0;
    NSUIGestureRecognizer::reset();
}

}
