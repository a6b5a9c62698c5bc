#pragma once
// The cylinders as the shadows of the style's tip fall on them (dials/tip_shadows.h): the
// surface unrolled as the programmes draw it, from the foot's generatrix along the section to
// the right, up the generatrices.

#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/tip_shadows.h"
#include "shell/module1.h"

namespace dials::cylindrical {

// The circular cylinder of the shared variables (CylinderShadow::from): the strip of one turn
// about the foot's generatrix, within the tangents from the tip where they fall on it.
TipShadowSurface CircularTipShadows(const shell::Module1& m);

// The parabolic cylinder of the frame, unrolled by the arc length, between the tangents from the
// tip; nowhere when the tip stands behind the surface.
TipShadowSurface ParabolicTipShadows(const ParabolicFrame& f);

}  // namespace dials::cylindrical
