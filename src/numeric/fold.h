#pragma once
// Folds of an angle onto one turn, and the turns of an angle that several programmes take. An
// angle and that angle plus whole turns name one direction (one face of a wall, one hour); each
// fold gives it one number, and its name says which end of the half turn it keeps. The unit is
// the caller's: the half turn is 180 for degrees, the stored Pi for radians.

namespace numeric {

// The angle onto (-halfTurn, halfTurn]: the upper end is kept, so that -180 and 540 read as 180.
// An angle already within that range is returned as it is, bit for bit (a typed 179.99 stays
// 179.99); any other is reduced exactly (the remainder of a division by a whole turn has no
// rounding). A value that is not finite is returned as it is, to fail where it is used.
double foldKeepingUpperEnd(double angle, double halfTurn);

// The supplement of the angle, halfTurn - angle, formed as -(angle + halfTurn) and folded by
// foldKeepingUpperEnd: an azimuth counted from the north, west positive (the declination a
// southern wall is typed with), as the same face's azimuth counted from the south.
double supplementKeepingUpperEnd(double angle, double halfTurn);

// An angle from the upward vertical within a quarter turn of it (an arc tangent's: one end of a
// line through the origin), taken to the line's other end past the horizontal, on the side of
// the sign of `towards`: sgn(towards) * (halfTurn - |angle|), 0 where `towards` is 0. The
// programmes so take the substyle's angle of a face whose style elevation is negative, towards
// the face's declination.
double turnedPastVertical(double angle, double towards, double halfTurn);

}  // namespace numeric
