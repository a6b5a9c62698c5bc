#pragma once
// The input reader shared by the vertical 2D programme and the five cylindrical programmes: the
// place, the wall, the gnomon and the drawing step, from the main window's boxes into the shared
// dial variables; and the rules every reader of those boxes follows, whichever programme or list
// reads them.

#include "shell/context.h"
#include "shell/input_record.h"

namespace shell {

// The reclination box, degrees, folded onto (-180, 180] as the declination box is: a turn about
// the plane's horizontal brings the plane back, so 405 is the plane of 45 and 270 that of -90.
// South of the equator (hemisphere -1) the user types the reclination with the opposite sign; a
// folded +90 or -90 is in either hemisphere the horizontal dial facing up (a plane facing the
// ground is never lit), which is 90 in the north and -90 in the south whatever sign was typed.
// Any other value within (-180, 180] is returned as typed. (A plane reclined past the
// horizontal, R beyond +-90, is the plane of 180 - R facing the other way, D + 180, drawn with
// its axes turned by a half turn: it keeps the number typed, so that its drawing keeps the
// sides the user named.) Every reader of the box reads it here.
double typedReclination(const InputRecord& in, double hemisphere);
// Whether the reclination box, folded, names the horizontal dial (+90 or -90).
bool typedHorizontal(const InputRecord& in);
// The declination box, degrees, folded onto the same wall within (-180, 180]: 270 is the wall
// of -90, 600 that of -120, and -180 and 540 that of 180 (one wall, one number); a value within
// (-180, 180] is returned as typed. Every reader folds it before any test of it.
double typedDeclination(const InputRecord& in);

// Precondition: Run has set EastSign and DeclSign. The radius and the definition are read only
// where the checked programme reads them (shell::runReads); otherwise Radius and PointStep keep
// their values. Throws numeric::NumericFailure where a statement fails (the hour fraction 0 or
// empty: 15 / 0); the variables of the statements before it hold their new values, the rest
// keep the previous run's.
void ReadPlaceAndWallInputs(Context& ctx);

}  // namespace shell
