#pragma once
// The input reader shared by the vertical 2D programme and the five cylindrical programmes: the
// place, the wall, the gnomon and the drawing step, from the main window's boxes into the shared
// dial variables; and the rules every reader of those boxes follows, whichever programme or list
// reads them.

#include "shell/context.h"
#include "shell/input_record.h"

namespace shell {

// The reclination box as typed, degrees. South of the equator (hemisphere -1) the user types the
// reclination with the opposite sign; a typed +90 or -90 is in either hemisphere the horizontal
// dial facing up (a plane facing the ground is never lit), which is the typed 90 in the north
// and the typed -90 in the south whatever sign was typed. Any other value is returned as typed.
double typedReclination(const InputRecord& in, double hemisphere);
// Whether the reclination box, as typed, names the horizontal dial (+90 or -90).
bool typedHorizontal(const InputRecord& in);
// The declination box as typed, degrees, folded onto the same wall within -180..180: 270 is
// the wall of -90 and 600 that of -120; a value within -180..180 is returned as typed. Every
// reader folds it before any test of it, so that one wall has one declination.
double typedDeclination(const InputRecord& in);

// Precondition: Run has set EastSign and DeclSign. Throws numeric::NumericFailure where a
// statement fails (the hour fraction 0 or empty: 15 / 0); the variables of the statements before
// it hold their new values, the rest keep the previous run's.
void ReadPlaceAndWallInputs(Context& ctx);

}  // namespace shell
