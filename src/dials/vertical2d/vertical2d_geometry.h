#pragma once
// Geometry shared by the procedures of the vertical dial by 2D analytic geometry.
//
// The equinoctial frame: origin where the substyle crosses the equinoctial line, X along the
// equinoctial, Y along the substyle towards the centre. On the equinoctial the hour line of hour
// angle h (counted from the substyle) crosses at X = (L / cos e) tan h.

#include <cmath>

#include "dials/plot_point.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "plot/plot_surface.h"
#include "shell/module1.h"

namespace dials::vertical2d {

// The dial point of the equinoctial-frame point (X, Y), with substyle angle S and the distance P
// from the style foot to the equinoctial along the substyle. Throws when a coordinate is not
// finite.
inline DialPoint fromEquinoctial(double X, double Y, double S, double P) {
    const double sinS = std::sin(S), cosS = std::cos(S);
    return {numeric::checkFinite(X * cosS + Y * sinS - P * sinS),
            numeric::checkFinite(-X * sinS + Y * cosS - P * cosS)};
}

}  // namespace dials::vertical2d
