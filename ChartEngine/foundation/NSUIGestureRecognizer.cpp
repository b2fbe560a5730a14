#include "ChartEngine/foundation/NSUIGestureRecognizer.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace Charts {

NSUIGestureRecognizer::NSUIGestureRecognizer(std::function<void()> action)
    : m_action(std::move(action))
{
}

NSUIGestureRecognizer::~NSUIGestureRecognizer() = default;

void NSUIGestureRecognizer::setEnabled(bool enabled)
{
    if (!enabled && isUnderWay()) {
        send(State::cancelled);
    }
    if (!enabled) {
        reset();
    }
    m_enabled = enabled;
}

void NSUIGestureRecognizer::send(State state)
{
    m_state = state;
    if (m_action) {
        m_action();
    }
}

void NSUIGestureRecognizer::finish(State state)
{
    send(state);
    reset();
}

void NSUIGestureRecognizer::begin(QPointF location)
{
    if (isUnderWay()) {
        finish(State::cancelled);
    }
    reset();
    setLocation(location);
    send(State::began);
}

bool NSUIGestureRecognizer::endAt(QPointF location)
{
    if (!isUnderWay()) {
        return false;
    }
    setLocation(location);
    finish(State::ended);
    return true;
}

void NSUIGestureRecognizer::reset()
{
    m_state = State::possible;
}

bool NSUIGestureRecognizer::isDrag(QPointF from, QPointF to)
{
    // Qt's rule: a drag starts once the Manhattan length reaches the drag distance.
    return (to - from).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance();
}

const QMouseEvent* NSUIGestureRecognizer::mouseEvent(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseMove:
        return static_cast<const QMouseEvent*>(&event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<const QMouseEvent*>(&event);
        return mouse->button() == Qt::LeftButton ? mouse : nullptr;
    }
    default:
        return nullptr;
    }
}

}
