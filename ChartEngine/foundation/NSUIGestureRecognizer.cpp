#include "ChartEngine/foundation/NSUIGestureRecognizer.h"

#include <QGuiApplication>
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

void NSUIGestureRecognizer::reset()
{
    m_state = State::possible;
}

bool NSUIGestureRecognizer::isDrag(QPointF from, QPointF to)
{
    // Qt's rule: a drag starts once the Manhattan length reaches the drag distance.
    return (to - from).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance();
}

}
