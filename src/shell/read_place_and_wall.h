#pragma once
// The input reader shared by the vertical 2D programme and the five cylindrical programmes: the
// place, the wall, the gnomon and the drawing step, from the main window's boxes into the shared
// dial variables.

#include "shell/context.h"

namespace shell {

// Precondition: Run has set EastSign and DeclSign. Throws numeric::NumericFailure where a
// statement fails (the hour fraction 0 or empty: 15 / 0); the variables of the statements before
// it hold their new values, the rest keep the previous run's.
void ReadPlaceAndWallInputs(Context& ctx);

}  // namespace shell
