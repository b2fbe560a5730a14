#include "ChartEngine/foundation/EasingFunctions.h"

#include <cmath>

namespace Charts::EasingFunctions {

namespace {

constexpr double pi = 3.141592653589793;

// The elastic curves' period, as a share of the duration.
constexpr double elasticPeriod = 0.3;
constexpr double elasticInOutPeriod = 0.3 * 1.5;
static_assert(elasticInOutPeriod == 0.44999999999999996);

// The back curves' overshoot and the in-out form's larger one.
constexpr double backOvershoot = 1.70158;
constexpr double backScale = 2.70158;
constexpr double backInOutOvershoot = 2.5949095;
constexpr double backInOutScale = 3.5949095;

// The phase shift of an elastic curve of period `period`: a quarter period, computed in this
// order (dividing by 4 directly differs in the last bit).
double elasticShift(double period)
{
    return period / (2 * pi) * (pi / 2);
}

// The bouncing ball: four parabolas that touch 1 at 1/2.75, 2/2.75, 2.5/2.75 and 1.
double bounce(double u)
{
    if (u < 0.36363636363636365) {
        return 7.5625 * u * u;
    }
    if (u < 0.7272727272727273) {
        const double r = u - 0.5454545454545454;
        return 7.5625 * r * r + 0.75;
    }
    if (u < 0.9090909090909091) {
        const double r = u - 0.8181818181818182;
        return 7.5625 * r * r + 0.9375;
    }
    const double r = u - 0.9545454545454546;
    return 7.5625 * r * r + 0.984375;
}

}

double linear(double elapsed, double duration)
{
    return elapsed / duration;
}

double easeInQuad(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return p * p;
}

double easeOutQuad(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return -p * (p - 2);
}

double easeInOutQuad(double elapsed, double duration)
{
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return 0.5 * q * q;
    }
    return -0.5 * ((q - 1) * (q - 3) - 1);
}

double easeInCubic(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return p * p * p;
}

double easeOutCubic(double elapsed, double duration)
{
    const double r = elapsed / duration - 1;
    return r * r * r + 1;
}

double easeInOutCubic(double elapsed, double duration)
{
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return 0.5 * q * q * q;
    }
    const double r = q - 2;
    return 0.5 * (r * r * r + 2);
}

double easeInQuart(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return p * p * p * p;
}

double easeOutQuart(double elapsed, double duration)
{
    const double r = elapsed / duration - 1;
    return -(r * r * r * r - 1);
}

double easeInOutQuart(double elapsed, double duration)
{
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return 0.5 * q * q * q * q;
    }
    const double r = q - 2;
    return -0.5 * (r * r * r * r - 2);
}

double easeInQuint(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return p * p * p * p * p;
}

double easeOutQuint(double elapsed, double duration)
{
    const double r = elapsed / duration - 1;
    return r * r * r * r * r + 1;
}

double easeInOutQuint(double elapsed, double duration)
{
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return 0.5 * q * q * q * q * q;
    }
    const double r = q - 2;
    return 0.5 * (r * r * r * r * r + 2);
}

double easeInSine(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return 1 - std::cos(p * pi / 2);
}

double easeOutSine(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return std::sin(p * pi / 2);
}

double easeInOutSine(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return -0.5 * (std::cos(pi * p) - 1);
}

double easeInExpo(double elapsed, double duration)
{
    if (elapsed == 0) {
        return 0;
    }
    const double p = elapsed / duration;
    return std::pow(2, 10 * (p - 1));
}

double easeOutExpo(double elapsed, double duration)
{
    if (elapsed == duration) {
        return 1;
    }
    const double p = elapsed / duration;
    return 1 - std::pow(2, -10 * p);
}

double easeInOutExpo(double elapsed, double duration)
{
    if (elapsed == 0) {
        return 0;
    }
    if (elapsed == duration) {
        return 1;
    }
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return 0.5 * std::pow(2, 10 * (q - 1));
    }
    return 0.5 * (2 - std::pow(2, -10 * (q - 1)));
}

double easeInCirc(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return -(std::sqrt(1 - p * p) - 1);
}

double easeOutCirc(double elapsed, double duration)
{
    const double r = elapsed / duration - 1;
    return std::sqrt(1 - r * r);
}

double easeInOutCirc(double elapsed, double duration)
{
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return -0.5 * (std::sqrt(1 - q * q) - 1);
    }
    const double r = q - 2;
    return 0.5 * (std::sqrt(1 - r * r) + 1);
}

double easeInElastic(double elapsed, double duration)
{
    if (elapsed == 0) {
        return 0;
    }
    const double p = elapsed / duration;
    if (p == 1) {
        return 1;
    }
    const double period = elasticPeriod * duration;
    const double shift = elasticShift(period);
    const double r = p - 1;
    return -(std::pow(2, 10 * r) * std::sin((r * duration - shift) * (2 * pi) / period));
}

double easeOutElastic(double elapsed, double duration)
{
    if (elapsed == 0) {
        return 0;
    }
    const double p = elapsed / duration;
    if (p == 1) {
        return 1;
    }
    const double period = elasticPeriod * duration;
    const double shift = elasticShift(period);
    return std::pow(2, -10 * p) * std::sin((p * duration - shift) * (2 * pi) / period) + 1;
}

double easeInOutElastic(double elapsed, double duration)
{
    if (elapsed == 0) {
        return 0;
    }
    const double q = elapsed / (duration / 2);
    if (q == 2) {
        return 1;
    }
    const double period = elasticInOutPeriod * duration;
    const double shift = elasticShift(period);
    const double r = q - 1;
    const double wave = std::sin((r * duration - shift) * (2 * pi) / period);
    if (q < 1) {
        return -0.5 * std::pow(2, 10 * r) * wave;
    }
    return 0.5 * std::pow(2, -10 * r) * wave + 1;
}

double easeInBack(double elapsed, double duration)
{
    const double p = elapsed / duration;
    return p * p * (backScale * p - backOvershoot);
}

double easeOutBack(double elapsed, double duration)
{
    const double r = elapsed / duration - 1;
    return r * r * (backScale * r + backOvershoot) + 1;
}

double easeInOutBack(double elapsed, double duration)
{
    const double q = elapsed / (duration / 2);
    if (q < 1) {
        return 0.5 * q * q * (backInOutScale * q - backInOutOvershoot);
    }
    const double r = q - 2;
    return 0.5 * (r * r * (backInOutScale * r + backInOutOvershoot) + 2);
}

double easeInBounce(double elapsed, double duration)
{
    return 1 - bounce((duration - elapsed) / duration);
}

double easeOutBounce(double elapsed, double duration)
{
    return bounce(elapsed / duration);
}

double easeInOutBounce(double elapsed, double duration)
{
    if (elapsed < duration / 2) {
        return 0.5 * (1 - bounce((duration - 2 * elapsed) / duration));
    }
    return 0.5 * bounce((2 * elapsed - duration) / duration) + 0.5;
}

}
