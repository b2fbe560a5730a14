#pragma once

#include <QPointF>

#include <functional>

class QEvent;
class QMouseEvent;

namespace Charts {

// A gesture a view recognises from its mouse, wheel and native gesture events (the view offers
// them to its recognisers, NSUIView::addGestureRecognizer). A recogniser holds the gesture's
// state and location in the view's coordinates and calls its action at every state it reaches;
// the action reads the recogniser. Tests make one, set its fields and call the handler.
class NSUIGestureRecognizer {
public:
    // The platform's numbering.
    enum class State : int { possible = 0, began = 1, changed = 2, ended = 3, cancelled = 4, failed = 5 };

    virtual ~NSUIGestureRecognizer();

    NSUIGestureRecognizer(const NSUIGestureRecognizer&) = delete;
    NSUIGestureRecognizer& operator=(const NSUIGestureRecognizer&) = delete;

    State state() const { return m_state; }
    void setState(State state) { m_state = state; }
    QPointF location() const { return m_location; }
    void setLocation(QPointF location) { m_location = location; }

    bool isEnabled() const { return m_enabled; }
    // Disabling a gesture under way cancels it (its action hears `cancelled`) and forgets it.
    void setEnabled(bool enabled);

    // An event of the view; answers whether the recogniser used it (the view then accepts it).
    virtual bool handleEvent(QEvent& event) = 0;

protected:
    explicit NSUIGestureRecognizer(std::function<void()> action);

    // Moves to `state` and calls the action.
    void send(State state);
    // Ends the gesture in `state` (ended, cancelled or failed), then waits for the next one.
    void finish(State state);
    // Starts a new gesture at `location`, cancelling one still under way.
    void begin(QPointF location);
    // Ends a gesture under way at `location`; answers whether there was one.
    bool endAt(QPointF location);
    // Forgets what the recogniser tracked of the gesture; the state goes back to possible.
    virtual void reset();
    bool isUnderWay() const { return m_state == State::began || m_state == State::changed; }

    // Whether the pointer has travelled the platform's drag distance from `from` to `to`.
    static bool isDrag(QPointF from, QPointF to);
    // The event as a press (a double click's second press too) or a release of the left button,
    // or as a move of the mouse; none for any other event.
    static const QMouseEvent* mouseEvent(const QEvent& event);

private:
    std::function<void()> m_action;
    State m_state = State::possible;
    QPointF m_location{0, 0};
    bool m_enabled = true;
};

}
