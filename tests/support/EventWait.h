#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>

namespace EventWait {

// How long a condition may take before the wait gives up: far beyond anything a busy machine
// needs, and far below the suite's limit per test, so a condition that never comes true fails
// with its name instead of hanging until the suite ends the program.
constexpr std::chrono::seconds bound(60);

// Handles events, sleeping until the next one arrives, until the condition holds. Past the limit
// the test fails, naming the condition and where it was awaited, and false is returned.
template <typename Condition>
bool until(const char* name, const char* file, int line, Condition condition,
           std::chrono::milliseconds limit = bound)
{
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.start(limit); // wakes the wait below once the limit has passed
    while (!condition()) {
        if (!giveUp.isActive()) {
            ADD_FAILURE_AT(file, line) << "Waited " << limit.count()
                                       << " ms for a condition that never held: " << name;
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}

// Waits for the condition (a callable returning bool) while handling events; a failure names the
// condition by its source text.
#define waitUntil(...) EventWait::until(#__VA_ARGS__, __FILE__, __LINE__, __VA_ARGS__)
