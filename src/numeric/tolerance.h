#pragma once
// What rounding leaves of an exact value, and the one allowance each case of it gets.
//
// The programmes turn degrees into radians with a stored Pi of ten to fifteen digits, and step
// their counters by repeated addition: an angle typed exactly (a wall facing due south, a plane
// reclined by the colatitude, a six o'clock line) comes out a few 1e-10 off, so that a sine or a
// cosine that is 0 in exact arithmetic is some 4e-10 instead. Such a value within
// kStoredPiResidue of its exact value stands for it. Typed inputs never come this close to an
// exact case by intent: it is far below any precision a user types.
//
// A sine formed as a sum of products can come out a rounding past +-1 (the style elevation of a
// plane perpendicular to the polar axis, for one); clampRoundedSine takes it back.

#include <cmath>

namespace numeric {

// How far the stored Pi and counted loops leave a value of the order of one from the exact one
// it stands for: an angle in radians, whatever its size, or a length or a ratio for each unit of
// its size. Shown in degrees or hours an angle is left that far times the units of a radian,
// which is how the cut of a shown number (truncateDown) allows for it.
inline constexpr double kStoredPiResidue = 1e-9;

// How far rounding may carry a sine past +-1.
inline constexpr double kRoundedSine = 1e-12;

// A sine rounded past +-1 by no more than kRoundedSine is taken as exactly +-1, so that its arc
// sine is +-Pi/2 instead of a failure. Anything further out is left as it is, to fail.
inline double clampRoundedSine(double s) {
    if (std::fabs(s) > 1 && std::fabs(s) - 1 <= kRoundedSine) return s > 0 ? 1 : -1;
    return s;
}

// A sine or cosine that stands for exactly +-1 but was formed from angles on the stored Pi (the
// sun at the top or the foot of an altitude line, a vertical circle touching the day's circle)
// comes out past it by what the stored Pi leaves, some 1e-10, more than clampRoundedSine takes
// back: within kStoredPiResidue it is taken as +-1; anything further is left as it is, to fail.
inline double clampStoredPiSine(double s) {
    if (std::fabs(s) > 1 && std::fabs(s) - 1 <= kStoredPiResidue) return s > 0 ? 1 : -1;
    return s;
}

}  // namespace numeric
