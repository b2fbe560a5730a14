#include "ChartEngine/foundation/NSUIMagnificationGestureRecognizer.h"

#include <QNativeGestureEvent>
#include <QWheelEvent>

namespace Charts {

NSUIMagnificationGestureRecognizer::NSUIMagnificationGestureRecognizer(Action action)
    : NSUIGestureRecognizer([this, action = std::move(action)] { action(*this); })
{
}

bool NSUIMagnificationGestureRecognizer::handleEvent(QEvent& event)
{
    switch (event.type()) {
    case QEvent::NativeGesture:
        return nativeGesture(static_cast<const QNativeGestureEvent&>(event));
    case QEvent::Wheel:
        return wheel(static_cast<const QWheelEvent&>(event));
    default:
        return false;
    }
}

bool NSUIMagnificationGestureRecognizer::nativeGesture(const QNativeGestureEvent& event)
{
    switch (event.gestureType()) {
    case Qt::BeginNativeGesture:
        begin(event.position());
        return true;
    case Qt::ZoomNativeGesture:
        // Some platforms send zoom steps without announcing the gesture first.
        if (!isUnderWay()) {
            begin(event.position());
        }
        setLocation(event.position());
        m_magnification += event.value();
        send(State::changed);
        return true;
    case Qt::EndNativeGesture:
        return endAt(event.position());
    default:
        return false;
    }
}

bool NSUIMagnificationGestureRecognizer::wheel(const QWheelEvent& event)
{
    const int eighthsOfDegree = event.angleDelta().y();
    if (!event.modifiers().testFlag(Qt::ControlModifier) || eighthsOfDegree == 0 || isUnderWay()) {
        return false;
    }
    begin(event.position());
    m_magnification += eighthsOfDegree / 120.0 * wheelNotchMagnification;
    send(State::changed);
    finish(State::ended);
    return true;
}

void NSUIMagnificationGestureRecognizer::reset()
{
    m_magnification = 0;
    NSUIGestureRecognizer::reset();
}

}
