#include "ChartEngine/foundation/NSUIDisplayLink.h"

#include "ChartEngine/foundation/MediaClock.h"

namespace Charts {

NSUIDisplayLink::NSUIDisplayLink(QObject* target, Action action)
    : m_target(target)
    , m_action(std::move(action))
{
    m_timer.setInterval(intervalMilliseconds);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(false);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tick(); });
}

NSUIDisplayLink::~NSUIDisplayLink()
{
    m_timer.stop();
}

void NSUIDisplayLink::start()
{
    m_timer.start();
}

void NSUIDisplayLink::stop()
{
    m_timer.stop();
}

void NSUIDisplayLink::tick()
{
    m_timestamp = MediaClock::now();
    if (!m_target || !m_action) {
        return;
    }
    // The action may end the animation and destroy this link: it runs from a copy, and nothing
    // of this link is touched after it.
    const Action action = m_action;
    action();
}

}
