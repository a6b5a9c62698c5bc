#pragma once
// Whether the shadow models cast a shadow of the style's tip within an area of the dial for some
// sun of the year (declination within the solstices) above the horizon that lights the dial
// there: every point of a grid over the area asked for its sun.

#include <functional>
#include <optional>

#include "support/cylinder_oracle.h"
#include "support/oracle_checks.h"
#include "support/parabolic_oracle.h"
#include "support/shadow_oracle.h"

namespace oracle {

// The sun of a dial point (y up) when a sun above the horizon that lights the dial there casts
// the tip's shadow on it; none otherwise.
using RealSunAt = std::function<std::optional<HourDecl>(DialXY)>;

RealSunAt realSunsOf(const ShadowOracle& o);
// On the strip of one turn about the foot's generatrix, as the programmes unroll it.
RealSunAt realSunsOf(const CylinderOracle& o);
RealSunAt realSunsOf(const ParabolicOracle& o);

// Whether a point of the grid over the area, `cell` apart from its lower left corner to its
// edges, is cast by a sun of the year.
bool yearShadowWithin(const RealSunAt& sunAt, const DialArea& area, double cell);

}  // namespace oracle
