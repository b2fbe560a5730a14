#pragma once

namespace Charts {

// The built-in easing curves. Each takes the elapsed time and the duration of an animation, in
// seconds, and gives its phase: 0 at the start and 1 at the end. The arithmetic stays in the
// order written: reordering it changes results in the last bit. p = elapsed / duration and, for
// the in-out curves, q = elapsed / (duration / 2).
namespace EasingFunctions {

double linear(double elapsed, double duration);

double easeInQuad(double elapsed, double duration);
double easeOutQuad(double elapsed, double duration);
double easeInOutQuad(double elapsed, double duration);

double easeInCubic(double elapsed, double duration);
double easeOutCubic(double elapsed, double duration);
double easeInOutCubic(double elapsed, double duration);

double easeInQuart(double elapsed, double duration);
double easeOutQuart(double elapsed, double duration);
double easeInOutQuart(double elapsed, double duration);

double easeInQuint(double elapsed, double duration);
double easeOutQuint(double elapsed, double duration);
double easeInOutQuint(double elapsed, double duration);

double easeInSine(double elapsed, double duration);
double easeOutSine(double elapsed, double duration);
double easeInOutSine(double elapsed, double duration);

double easeInExpo(double elapsed, double duration);
double easeOutExpo(double elapsed, double duration);
double easeInOutExpo(double elapsed, double duration);

double easeInCirc(double elapsed, double duration);
double easeOutCirc(double elapsed, double duration);
double easeInOutCirc(double elapsed, double duration);

double easeInElastic(double elapsed, double duration);
double easeOutElastic(double elapsed, double duration);
double easeInOutElastic(double elapsed, double duration);

double easeInBack(double elapsed, double duration);
double easeOutBack(double elapsed, double duration);
double easeInOutBack(double elapsed, double duration);

double easeInBounce(double elapsed, double duration);
double easeOutBounce(double elapsed, double duration);
double easeInOutBounce(double elapsed, double duration);

}

}
