#include "numeric/fold.h"

#include <cmath>

namespace numeric {

double foldKeepingUpperEnd(double angle, double halfTurn) {
    if (!std::isfinite(angle) || (angle > -halfTurn && angle <= halfTurn)) return angle;
    const double turn = 2 * halfTurn;
    const double reduced = std::remainder(angle, turn);  // within [-halfTurn, halfTurn]
    return reduced <= -halfTurn ? reduced + turn : reduced;
}

}  // namespace numeric
