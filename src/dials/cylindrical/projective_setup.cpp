// Set-up of the projective cylinder: the vertical dial of the plane tangent to the cylinder
// along the style foot's generatrix, whose perpendicular style is the cylinder's style.

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "numeric/checked.h"

namespace dials::cylindrical {

using numeric::checkedDiv;

void InitCylProjective(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.WallDeclRad;
    const double phi = m.LatRad;
    const double L = m.StyleLength;

    m.CylParam = m.Radius;

    // The tangent plane's polar style in this programme's signs: a the substyle's angle from the
    // vertical, positive where it leans to the east; b the style's elevation over the plane,
    // positive where the axis rising to the pole runs into the wall behind the tip; and the
    // substyle's hour angle, folded within -90..90 degrees, negated as the hour lines count it.
    // The tangent plane is the vertical face of the wall's declination. At the equator the polar
    // axis lies in the horizon: the substyle is the level line through the foot, taken a right
    // angle from the vertical on either side of the wall, the style rising over it by 90 degrees
    // less D.
    const Face::StyleAngles style = m.LatDegrees == 0
                                        ? Face::StyleAngles{m.Pi / 2 - D, m.Pi / 2, m.Pi / 2}
                                        : Face::declining(D, 0).styleAngles(phi, m.Pi);
    const double a = style.substyle, b = style.elevation;
    m.SubstyleRad = a;
    m.StyleElevRad = b;
    m.SubstyleHour = style.hour;
    m.SetupAngleA = a;
    m.SetupAngleB = b;
    if (b != 0) m.StyleHypotenuse = checkedDiv(L, std::sin(b));
    m.PlaneCoefY = numeric::checkedMul(L, std::tan(b));
}

}  // namespace dials::cylindrical
