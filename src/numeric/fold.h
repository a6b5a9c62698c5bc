#pragma once
// Folds of an angle onto one turn. An angle and that angle plus whole turns name one direction
// (one face of a wall, one hour); each fold gives it one number, and its name says which end of
// the half turn it keeps. The unit is the caller's: the half turn is 180 for degrees, the stored
// Pi for radians.

namespace numeric {

// The angle onto (-halfTurn, halfTurn]: the upper end is kept, so that -180 and 540 read as 180.
// An angle already within that range is returned as it is, bit for bit (a typed 179.99 stays
// 179.99); any other is reduced exactly (the remainder of a division by a whole turn has no
// rounding). A value that is not finite is returned as it is, to fail where it is used.
double foldKeepingUpperEnd(double angle, double halfTurn);

}  // namespace numeric
