#pragma once

#include <QList>
#include <QPointF>

namespace Charts {

// The velocity of a pointer in points per second from its recent positions: the way from the
// oldest to the newest position of the last `window` seconds, over the time between them. A
// pointer that rested longer than the window before its newest position has velocity (0, 0).
class NSUIVelocityTracker {
public:
    static constexpr double window = 0.1;

    void reset() { m_samples.clear(); }
    // A position at a time in seconds; times never go backwards.
    void addPosition(QPointF position, double seconds);
    QPointF velocity() const;

private:
    struct Sample {
        QPointF position;
        double seconds;
    };
    QList<Sample> m_samples;
};

}
