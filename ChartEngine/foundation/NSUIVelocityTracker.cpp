#include "ChartEngine/foundation/NSUIVelocityTracker.h"

namespace Charts {

void NSUIVelocityTracker::addPosition(QPointF position, double seconds)
{
    m_samples.append({position, seconds});
    while (m_samples.first().seconds < seconds - window) {
        m_samples.removeFirst();
    }
}

QPointF NSUIVelocityTracker::velocity() const
{
    if (m_samples.size() < 2) {
        return {0, 0};
    }
    const Sample& oldest = m_samples.first();
    const Sample& newest = m_samples.last();
    const double elapsed = newest.seconds - oldest.seconds;
    if (!(elapsed > 0)) {
        return {0, 0};
    }
    return (newest.position - oldest.position) / elapsed;
}

}
