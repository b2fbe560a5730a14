#include "ChartEngine/foundation/NSUIClickGestureRecognizer.h"

#include <QMouseEvent>

namespace Charts {

NSUIClickGestureRecognizer::NSUIClickGestureRecognizer(Action action, int numberOfClicksRequired)
    : NSUIGestureRecognizer([this, action = std::move(action)] { action(*this); })
    , m_numberOfClicksRequired(numberOfClicksRequired)
{
}

bool NSUIClickGestureRecognizer::handleEvent(QEvent& event)
{
    const QMouseEvent* mouse = mouseEvent(event);
    if (!mouse) {
        return false;
    }
    const QEvent::Type type = event.type();
    const QPointF position = mouse->position();
    if (type == QEvent::MouseMove) {
        if (m_pressPosition && isDrag(*m_pressPosition, position)) {
            reset();
        }
        return m_pressPosition.has_value();
    }
    if (type == QEvent::MouseButtonRelease) {
        const bool clicked = m_pressPosition.has_value();
        if (clicked) {
            setLocation(position);
            finish(State::ended);
        }
        return clicked;
    }
    const int clicks = type == QEvent::MouseButtonDblClick ? 2 : 1;
    m_pressPosition = clicks == m_numberOfClicksRequired ? std::optional<QPointF>(position) : std::nullopt;
    return m_pressPosition.has_value();
}

void NSUIClickGestureRecognizer::reset()
{
    m_pressPosition.reset();
    NSUIGestureRecognizer::reset();
}

}
