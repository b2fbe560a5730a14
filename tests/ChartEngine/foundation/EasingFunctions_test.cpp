#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/ChartEasingOption.h"
#include "ChartEngine/foundation/EasingFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace Charts;
namespace E = Charts::EasingFunctions;

namespace {

using Curve = double (*)(double, double);

struct NamedCurve {
    const char* name;
    Curve curve;
    bool inOut;
};

// Every curve in option order.
const std::vector<NamedCurve>& allCurves()
{
    static const std::vector<NamedCurve> curves = {
        {"linear", E::linear, false},
        {"easeInQuad", E::easeInQuad, false},
        {"easeOutQuad", E::easeOutQuad, false},
        {"easeInOutQuad", E::easeInOutQuad, true},
        {"easeInCubic", E::easeInCubic, false},
        {"easeOutCubic", E::easeOutCubic, false},
        {"easeInOutCubic", E::easeInOutCubic, true},
        {"easeInQuart", E::easeInQuart, false},
        {"easeOutQuart", E::easeOutQuart, false},
        {"easeInOutQuart", E::easeInOutQuart, true},
        {"easeInQuint", E::easeInQuint, false},
        {"easeOutQuint", E::easeOutQuint, false},
        {"easeInOutQuint", E::easeInOutQuint, true},
        {"easeInSine", E::easeInSine, false},
        {"easeOutSine", E::easeOutSine, false},
        {"easeInOutSine", E::easeInOutSine, true},
        {"easeInExpo", E::easeInExpo, false},
        {"easeOutExpo", E::easeOutExpo, false},
        {"easeInOutExpo", E::easeInOutExpo, true},
        {"easeInCirc", E::easeInCirc, false},
        {"easeOutCirc", E::easeOutCirc, false},
        {"easeInOutCirc", E::easeInOutCirc, true},
        {"easeInElastic", E::easeInElastic, false},
        {"easeOutElastic", E::easeOutElastic, false},
        {"easeInOutElastic", E::easeInOutElastic, true},
        {"easeInBack", E::easeInBack, false},
        {"easeOutBack", E::easeOutBack, false},
        {"easeInOutBack", E::easeInOutBack, true},
        {"easeInBounce", E::easeInBounce, false},
        {"easeOutBounce", E::easeOutBounce, false},
        {"easeInOutBounce", E::easeInOutBounce, true},
    };
    return curves;
}

constexpr double tolerance = 1e-12;

}

TEST(EasingFunctions, EveryCurveStartsAtZeroAndEndsAtOne)
{
    for (const NamedCurve& named : allCurves()) {
        for (const double duration : {1.0, 0.3, 2.5, 4.0}) {
            SCOPED_TRACE(std::string(named.name) + " over " + std::to_string(duration));
            EXPECT_NEAR(named.curve(0, duration), 0.0, tolerance);
            EXPECT_NEAR(named.curve(duration, duration), 1.0, tolerance);
        }
    }
}

TEST(EasingFunctions, InOutCurvesPassOneHalfAtHalfTime)
{
    int inOutCount = 0;
    for (const NamedCurve& named : allCurves()) {
        if (!named.inOut) {
            continue;
        }
        ++inOutCount;
        for (const double duration : {1.0, 0.3, 4.0}) {
            SCOPED_TRACE(std::string(named.name) + " over " + std::to_string(duration));
            EXPECT_NEAR(named.curve(duration / 2, duration), 0.5, tolerance);
        }
    }
    EXPECT_EQ(inOutCount, 10);
}

TEST(EasingFunctions, ValuesWorkedOutByHand)
{
    // Quarter, half and three-quarter time over 4 s: p = 0.5 at t = 2, q = 0.5 and 1.5 at t = 1
    // and 3.
    struct Spot {
        const char* name;
        Curve curve;
        double elapsed;
        double expected;
    };
    const double halfRoot2 = std::sqrt(2.0) / 2;
    const double rootThreeQuarters = std::sqrt(0.75);
    const double sin130 = std::sin(130.0 / 180.0 * 3.141592653589793);
    const std::vector<Spot> spots = {
        {"linear", E::linear, 1, 0.25},
        {"easeInQuad", E::easeInQuad, 2, 0.25},
        {"easeOutQuad", E::easeOutQuad, 2, 0.75},
        {"easeInOutQuad", E::easeInOutQuad, 1, 0.125},
        {"easeInOutQuad", E::easeInOutQuad, 3, 0.875},
        {"easeInCubic", E::easeInCubic, 2, 0.125},
        {"easeOutCubic", E::easeOutCubic, 2, 0.875},
        {"easeInOutCubic", E::easeInOutCubic, 1, 0.0625},
        {"easeInOutCubic", E::easeInOutCubic, 3, 0.9375},
        {"easeInQuart", E::easeInQuart, 2, 0.0625},
        {"easeOutQuart", E::easeOutQuart, 2, 0.9375},
        {"easeInOutQuart", E::easeInOutQuart, 1, 0.03125},
        {"easeInOutQuart", E::easeInOutQuart, 3, 0.96875},
        {"easeInQuint", E::easeInQuint, 2, 0.03125},
        {"easeOutQuint", E::easeOutQuint, 2, 0.96875},
        {"easeInOutQuint", E::easeInOutQuint, 1, 0.015625},
        {"easeInOutQuint", E::easeInOutQuint, 3, 0.984375},
        {"easeInSine", E::easeInSine, 2, 1 - halfRoot2},
        {"easeOutSine", E::easeOutSine, 2, halfRoot2},
        {"easeInOutSine", E::easeInOutSine, 1, 0.5 * (1 - halfRoot2)},
        {"easeInExpo", E::easeInExpo, 2, 1.0 / 32},
        {"easeOutExpo", E::easeOutExpo, 2, 1 - 1.0 / 32},
        {"easeInOutExpo", E::easeInOutExpo, 1, 1.0 / 64},
        {"easeInOutExpo", E::easeInOutExpo, 3, 1 - 1.0 / 64},
        {"easeInCirc", E::easeInCirc, 2, 1 - rootThreeQuarters},
        {"easeOutCirc", E::easeOutCirc, 2, rootThreeQuarters},
        {"easeInOutCirc", E::easeInOutCirc, 1, 0.5 * (1 - rootThreeQuarters)},
        {"easeInOutCirc", E::easeInOutCirc, 3, 0.5 * (1 + rootThreeQuarters)},
        // Elastic: at half time the wave stands at 30 degrees (in) or 150 degrees (out), at
        // +-130 degrees for the in-out form's quarters.
        {"easeInElastic", E::easeInElastic, 2, -1.0 / 64},
        {"easeOutElastic", E::easeOutElastic, 2, 1 + 1.0 / 64},
        {"easeInOutElastic", E::easeInOutElastic, 1, sin130 / 64},
        {"easeInOutElastic", E::easeInOutElastic, 3, 1 - sin130 / 64},
        // Back: dips below 0 going in, overshoots 1 coming out.
        {"easeInBack", E::easeInBack, 2, -0.0876975},
        {"easeOutBack", E::easeOutBack, 2, 1.0876975},
        {"easeInOutBack", E::easeInOutBack, 1, -0.09968184375},
        {"easeInOutBack", E::easeInOutBack, 3, 1.09968184375},
        // Bounce: 0.765625 at half time, mirrored for the in form.
        {"easeOutBounce", E::easeOutBounce, 2, 0.765625},
        {"easeInBounce", E::easeInBounce, 2, 0.234375},
        {"easeInOutBounce", E::easeInOutBounce, 1, 0.1171875},
        {"easeInOutBounce", E::easeInOutBounce, 3, 0.8828125},
    };
    for (const Spot& spot : spots) {
        SCOPED_TRACE(std::string(spot.name) + " at " + std::to_string(spot.elapsed));
        EXPECT_NEAR(spot.curve(spot.elapsed, 4), spot.expected, tolerance);
    }
}

TEST(EasingFunctions, BounceSegments)
{
    // One value on each of the four parabolas.
    EXPECT_NEAR(E::easeOutBounce(0.25, 1), 0.47265625, tolerance);
    EXPECT_NEAR(E::easeOutBounce(0.5, 1), 0.765625, tolerance);
    EXPECT_NEAR(E::easeOutBounce(0.8, 1), 0.94, tolerance);
    EXPECT_NEAR(E::easeOutBounce(0.95, 1), 0.98453125, tolerance);
    // The ball touches 1 at each threshold.
    EXPECT_NEAR(E::easeOutBounce(1 / 2.75, 1), 1.0, 1e-9);
    EXPECT_NEAR(E::easeOutBounce(2 / 2.75, 1), 1.0, 1e-9);
    EXPECT_NEAR(E::easeOutBounce(2.5 / 2.75, 1), 1.0, 1e-9);
}

TEST(EasingFunctions, EndsAreExactWhereTheCurvesTestForThem)
{
    // Without the exact tests the exponential forms would give 2^-10 at the start and
    // 1 - 2^-10 at the end.
    EXPECT_EQ(E::easeInExpo(0, 3), 0.0);
    EXPECT_EQ(E::easeOutExpo(3, 3), 1.0);
    EXPECT_EQ(E::easeInOutExpo(0, 3), 0.0);
    EXPECT_EQ(E::easeInOutExpo(3, 3), 1.0);
    EXPECT_EQ(E::easeInElastic(0, 3), 0.0);
    EXPECT_EQ(E::easeInElastic(3, 3), 1.0);
    EXPECT_EQ(E::easeOutElastic(0, 3), 0.0);
    EXPECT_EQ(E::easeOutElastic(3, 3), 1.0);
    EXPECT_EQ(E::easeInOutElastic(0, 3), 0.0);
    EXPECT_EQ(E::easeInOutElastic(3, 3), 1.0);
    // Just inside the end the exponential is still short of 1.
    EXPECT_LT(E::easeOutExpo(2.999, 3), 0.9991);
}

TEST(ChartEasingOption, RawValuesOutsideTheCasesHaveNoOption)
{
    EXPECT_EQ(chartEasingOptionFromRaw(-1), std::nullopt);
    EXPECT_EQ(chartEasingOptionFromRaw(31), std::nullopt);
    EXPECT_EQ(chartEasingOptionFromRaw(0), ChartEasingOption::linear);
    EXPECT_EQ(chartEasingOptionFromRaw(15), ChartEasingOption::easeInOutSine);
    EXPECT_EQ(chartEasingOptionFromRaw(30), ChartEasingOption::easeInOutBounce);
}

TEST(ChartEasingOption, EachOptionGivesItsCurve)
{
    for (int raw = 0; raw <= 30; ++raw) {
        const NamedCurve& named = allCurves()[std::size_t(raw)];
        SCOPED_TRACE(named.name);
        const std::optional<ChartEasingOption> option = chartEasingOptionFromRaw(raw);
        ASSERT_TRUE(option.has_value());
        const ChartEasingFunction function = easingFunction(*option);
        const Curve* target = function.target<Curve>();
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(*target, named.curve);
    }
}

TEST(ChartEasingOptionDeathTest, AnOptionForcedOutOfRangeStopsTheProgram)
{
    EXPECT_DEATH(
        {
            ChartConsole::setCapture([](const QString& line) {
                std::fprintf(stderr, "%s\n", qPrintable(line));
            });
            easingFunction(static_cast<ChartEasingOption>(31));
        },
        "ChartEasingOption has no curve for raw value 31");
}
