#pragma once

#include <QCoreApplication>
#include <QEventLoop>

// Handles events, sleeping until the next one arrives, until the condition holds. It sets no
// time limit of its own, so a slow machine cannot fail it: a condition that never comes true
// is ended by the suite's time limit per test.
template <typename Condition>
void waitUntil(Condition condition)
{
    while (!condition()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
