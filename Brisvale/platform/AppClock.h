#pragma once

#include <QDateTime>

// The application's one source of "now": the system clock, unless a test has fixed the moment.
namespace AppClock {

// The current moment in the local time zone, or the fixed moment while one is set.
QDateTime now();

// Fixes the clock at a moment (for tests); an invalid moment returns to the system clock.
void setNow(const QDateTime& moment);

// Returns to the system clock.
void reset();

}
