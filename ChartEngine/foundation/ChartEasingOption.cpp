#include "ChartEngine/foundation/ChartEasingOption.h"

#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/EasingFunctions.h"

#include <array>

namespace Charts {

namespace {

using Curve = double (*)(double, double);

// The curves in option order.
constexpr std::array<Curve, 31> curves = {
    EasingFunctions::linear,
    EasingFunctions::easeInQuad,
    EasingFunctions::easeOutQuad,
    EasingFunctions::easeInOutQuad,
    EasingFunctions::easeInCubic,
    EasingFunctions::easeOutCubic,
    EasingFunctions::easeInOutCubic,
    EasingFunctions::easeInQuart,
    EasingFunctions::easeOutQuart,
    EasingFunctions::easeInOutQuart,
    EasingFunctions::easeInQuint,
    EasingFunctions::easeOutQuint,
    EasingFunctions::easeInOutQuint,
    EasingFunctions::easeInSine,
    EasingFunctions::easeOutSine,
    EasingFunctions::easeInOutSine,
    EasingFunctions::easeInExpo,
    EasingFunctions::easeOutExpo,
    EasingFunctions::easeInOutExpo,
    EasingFunctions::easeInCirc,
    EasingFunctions::easeOutCirc,
    EasingFunctions::easeInOutCirc,
    EasingFunctions::easeInElastic,
    EasingFunctions::easeOutElastic,
    EasingFunctions::easeInOutElastic,
    EasingFunctions::easeInBack,
    EasingFunctions::easeOutBack,
    EasingFunctions::easeInOutBack,
    EasingFunctions::easeInBounce,
    EasingFunctions::easeOutBounce,
    EasingFunctions::easeInOutBounce,
};

static_assert(static_cast<int>(ChartEasingOption::easeInOutBounce) == int(curves.size()) - 1);

bool isValidRaw(int raw)
{
    return raw >= 0 && raw < int(curves.size());
}

}

std::optional<ChartEasingOption> chartEasingOptionFromRaw(int raw)
{
    if (!isValidRaw(raw)) {
        return std::nullopt;
    }
    return static_cast<ChartEasingOption>(raw);
}

ChartEasingFunction easingFunction(ChartEasingOption option)
{
    const int raw = static_cast<int>(option);
    if (!isValidRaw(raw)) {
        chartFatal(QStringLiteral("ChartEasingOption has no curve for raw value %1").arg(raw));
    }
    return curves[std::size_t(raw)];
}

}
