#pragma once
// Noon and the two six o'clock lines of an hour loop. The programmes step the hour counter from
// -90 to 90 degrees; the line beyond the centre of one six o'clock line is the other six o'clock
// line, so when the loop reaches +90 as well as -90 each of the two draws its own half only, and
// neither draws the other's again.

#include <cmath>

#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"

namespace dials {

// Whether the counter (degrees) is noon, 0, or one of the six o'clock lines, -90 or +90, up to
// what counting by repeated addition leaves of them (an hour fraction such as 1/7 never sums
// to them exactly). isNoon holds for an hour angle in radians as well: the stored Pi leaves
// as little of an exact 0.
inline bool isNoon(double counterDeg) {
    return std::fabs(counterDeg) <= numeric::kStoredPiResidue;
}
inline bool isSixOClock(double counterDeg) {
    return std::fabs(std::fabs(counterDeg) - 90) <= numeric::kStoredPiResidue;
}

// Whether the loop of an hour counter from -90 to 90 by `stepDeg` (repeated addition, as the
// programmes count) reaches +90 too.
inline bool loopDrawsBothSixOClockLines(double stepDeg) {
    double last = -90;
    for (double counter : numeric::StepRange(-90, 90, stepDeg)) last = counter;
    return std::fabs(last - 90) <= numeric::kStoredPiResidue;
}

// The colour of the hour line of the counter (degrees): light red for noon, light blue for the
// six o'clock lines (for the counter's +90 alone where not `bothSixes`, as some programmes colour
// them), light grey for every other hour; noon and the sixes as isNoon and isSixOClock count them.
inline numeric::palette::Index hourLineColourIndex(double counterDeg, bool bothSixes) {
    namespace palette = numeric::palette;
    if (isNoon(counterDeg)) return palette::kLightRed;
    if (isSixOClock(counterDeg) && (bothSixes || counterDeg > 0)) return palette::kLightBlue;
    return palette::kLightGrey;
}

}  // namespace dials
