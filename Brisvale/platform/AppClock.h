#pragma once

#include <QDateTime>
#include <functional>

class QObject;

// The application's one source of "now": the system clock, unless a test has fixed the moment.
// Delays go through it as well, so that a test with a fixed moment decides when they end.
namespace AppClock {

// The current moment in the local time zone, or the fixed moment while one is set.
QDateTime now();

// Fixes the clock at a moment (for tests); an invalid moment returns to the system clock.
void setNow(const QDateTime& moment);

// Returns to the system clock; delays still waiting for the fixed clock are dropped.
void reset();

// Runs the action once, on the GUI thread, when the delay has passed, unless the receiver is gone
// by then. On the system clock that is a timer; while the moment is fixed, the action waits until
// advance() moves the clock to or past its time.
void after(int milliseconds, QObject* receiver, std::function<void()> action);

// Moves a fixed clock forward, running the delayed actions that fall due in the order of their
// times (equal times in the order they were asked for), each with the clock at its time. Actions
// that ask for delays of their own are run too when those fall within the step.
void advance(int milliseconds);

}
