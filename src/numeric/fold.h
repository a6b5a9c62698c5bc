#pragma once
// Folds of an angle onto one turn, and the turns of an angle that several programmes take. An
// angle and that angle plus whole turns name one direction (one face of a wall, one hour); each
// fold gives it one number, and its name says which end of the half turn it keeps. The unit is
// the caller's: the half turn is 180 for degrees, the stored Pi for radians.

#include <cmath>

#include "numeric/rounding.h"

namespace numeric {

// The angle onto (-halfTurn, halfTurn]: the upper end is kept, so that -180 and 540 read as 180.
// An angle already within that range is returned as it is, bit for bit (a typed 179.99 stays
// 179.99); any other is reduced exactly (the remainder of a division by a whole turn has no
// rounding). A value that is not finite is returned as it is, to fail where it is used.
double foldKeepingUpperEnd(double angle, double halfTurn);

// The supplement halfTurn - angle, so folded: a southern wall's declination, typed from the north,
// as the face's own from the south.
inline double supplementKeepingUpperEnd(double angle, double halfTurn) {
    return foldKeepingUpperEnd(-(angle + halfTurn), halfTurn);
}

// The angle onto [0, 2 halfTurn), the lower end kept (360 reads 0, -90 reads 270), and the whole
// turns taken off it (1, -1). Reduced exactly, bit for bit within the range; an angle a hair below
// a whole number of turns, where adding the turn rounds up to it, reads 0. Not finite: as it is.
struct TurnsOff {
    double angle, turns;
};
inline TurnsOff foldKeepingLowerEnd(double angle, double halfTurn) {
    if (!std::isfinite(angle)) return {angle, 0};
    const double turn = 2 * halfTurn;
    double folded = std::fmod(angle, turn);  // exact, of the sign of the angle
    if (folded < 0) folded += turn;
    if (folded == turn) folded = 0;
    return {folded, std::round((angle - folded) / turn)};
}

// The angle onto (-halfTurn, halfTurn] as shown with `decimals` decimals (roundHalfEven): folded
// keeping the upper end, and a turn on where it would show -halfTurn. Returned unrounded.
inline double foldShownKeepingUpperEnd(double angle, double halfTurn, int decimals) {
    const double folded = foldKeepingUpperEnd(angle, halfTurn);
    if (!std::isfinite(folded) || roundHalfEven(folded, decimals) > -halfTurn) return folded;
    return folded + 2 * halfTurn;
}

// The angle from the upward vertical of the other half of a line whose one half lies `angle`
// from it, within a quarter turn: halfTurn - |angle| to the side of the sign of `towards` (0
// where it is 0). So the programmes take a substyle's angle where the style's elevation is
// negative.
inline double turnedPastVertical(double angle, double towards, double halfTurn) {
    return sgn(towards) * (halfTurn - std::fabs(angle));
}

}  // namespace numeric
