#include "ChartEngine/foundation/MediaClock.h"

#include <chrono>

namespace Charts {

namespace {
std::optional<double>& pinned()
{
    static std::optional<double> value;
    return value;
}
}

double MediaClock::now()
{
    if (pinned()) {
        return *pinned();
    }
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

void MediaClock::setNow(std::optional<double> seconds)
{
    pinned() = seconds;
}

}
