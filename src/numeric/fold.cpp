#include "numeric/fold.h"

#include <cmath>

#include "numeric/rounding.h"

namespace numeric {

double foldKeepingUpperEnd(double angle, double halfTurn) {
    if (!std::isfinite(angle) || (angle > -halfTurn && angle <= halfTurn)) return angle;
    const double turn = 2 * halfTurn;
    const double reduced = std::remainder(angle, turn);  // within [-halfTurn, halfTurn]
    return reduced <= -halfTurn ? reduced + turn : reduced;
}

double supplementKeepingUpperEnd(double angle, double halfTurn) {
    return foldKeepingUpperEnd(-(angle + halfTurn), halfTurn);
}

double turnedPastVertical(double angle, double towards, double halfTurn) {
    return sgn(towards) * (halfTurn - std::fabs(angle));
}

}  // namespace numeric
