#pragma once

#include <functional>
#include <optional>

namespace Charts {

// An easing curve: the phase for (elapsed seconds, duration seconds). An empty function means
// linear progress.
using ChartEasingFunction = std::function<double(double elapsed, double duration)>;

// The built-in easing curves by number.
enum class ChartEasingOption : int {
    linear = 0,
    easeInQuad,
    easeOutQuad,
    easeInOutQuad,
    easeInCubic,
    easeOutCubic,
    easeInOutCubic,
    easeInQuart,
    easeOutQuart,
    easeInOutQuart,
    easeInQuint,
    easeOutQuint,
    easeInOutQuint,
    easeInSine,
    easeOutSine,
    easeInOutSine,
    easeInExpo,
    easeOutExpo,
    easeInOutExpo,
    easeInCirc,
    easeOutCirc,
    easeInOutCirc,
    easeInElastic,
    easeOutElastic,
    easeInOutElastic,
    easeInBack,
    easeOutBack,
    easeInOutBack,
    easeInBounce,
    easeOutBounce,
    easeInOutBounce,
};

// The option with that number; a number outside 0 to 30 has none.
std::optional<ChartEasingOption> chartEasingOptionFromRaw(int raw);

// The curve of an option. An option outside 0 to 30 (forced in through a cast) is a programming
// error and stops the program.
ChartEasingFunction easingFunction(ChartEasingOption option);

}
