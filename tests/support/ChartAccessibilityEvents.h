#pragma once

#include "ChartEngine/foundation/ChartAccessibility.h"

#include <QAccessible>

#include <algorithm>
#include <utility>
#include <vector>

// Captures the accessibility events that charts send while it lives: the object and the kind.
class ChartEventCapture {
public:
    ChartEventCapture()
    {
        events().clear();
        Charts::ChartAccessibility::installEventObserver(&record);
    }
    ~ChartEventCapture() { Charts::ChartAccessibility::installEventObserver(nullptr); }
    ChartEventCapture(const ChartEventCapture&) = delete;
    ChartEventCapture& operator=(const ChartEventCapture&) = delete;

    bool sent(QObject* object, QAccessible::Event type) const
    {
        return std::find(events().begin(), events().end(), std::pair{object, type}) != events().end();
    }

private:
    static std::vector<std::pair<QObject*, QAccessible::Event>>& events()
    {
        static std::vector<std::pair<QObject*, QAccessible::Event>> sentEvents;
        return sentEvents;
    }
    static void record(QAccessibleEvent* event) { events().emplace_back(event->object(), event->type()); }
};
