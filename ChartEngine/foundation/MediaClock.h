#pragma once

#include <optional>

namespace Charts {

// The engine's monotonic clock in seconds (animations and view-port jobs take their phases
// from it). Tests can pin it to a chosen time.
class MediaClock {
public:
    static double now();

    // Pins the clock to `seconds`; std::nullopt returns it to the real monotonic time.
    static void setNow(std::optional<double> seconds);
};

}
