#include "ChartEngine/foundation/NSUIPanGestureRecognizer.h"

#include <QMouseEvent>

namespace Charts {

NSUIPanGestureRecognizer::NSUIPanGestureRecognizer(Action action)
    : NSUIGestureRecognizer([this, action = std::move(action)] { action(*this); })
{
}

void NSUIPanGestureRecognizer::setTranslation(QPointF translation)
{
    m_translation = translation;
    if (m_origin) {
        m_origin = location() - translation;
    }
}

bool NSUIPanGestureRecognizer::handleEvent(QEvent& event)
{
    const QMouseEvent* mouse = mouseEvent(event);
    if (!mouse) {
        return false;
    }
    const QEvent::Type type = event.type();
    const QPointF position = mouse->position();
    const double seconds = static_cast<double>(mouse->timestamp()) / 1000.0;
    if (type == QEvent::MouseMove) {
        if (!m_origin) {
            return false;
        }
        move(position, seconds);
        return true;
    }
    if (type == QEvent::MouseButtonRelease) {
        if (!m_origin) {
            return false;
        }
        release(position, seconds);
        return true;
    }
    press(position, seconds);
    return true;
}

void NSUIPanGestureRecognizer::press(QPointF position, double seconds)
{
    if (isUnderWay()) {
        finish(State::cancelled);
    }
    reset();
    m_origin = position;
    track(position, seconds);
}

void NSUIPanGestureRecognizer::move(QPointF position, double seconds)
{
    track(position, seconds);
    if (isUnderWay()) {
        send(State::changed);
    } else if (isDrag(*m_origin, position)) {
        send(State::began);
    }
}

void NSUIPanGestureRecognizer::release(QPointF position, double seconds)
{
    track(position, seconds);
    if (isUnderWay()) {
        finish(State::ended);
    } else {
        reset();
    }
}

void NSUIPanGestureRecognizer::track(QPointF position, double seconds)
{
    setLocation(position);
    m_translation = position - *m_origin;
    m_tracker.addPosition(position, seconds);
    m_velocity = m_tracker.velocity();
}

void NSUIPanGestureRecognizer::reset()
{
    m_origin.reset();
    m_translation = QPointF(0, 0);
    m_velocity = QPointF(0, 0);
    m_tracker.reset();
    NSUIGestureRecognizer::reset();
}

}
