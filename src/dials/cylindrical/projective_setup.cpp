// Set-up of the projective cylinder: the vertical dial of the plane tangent to the cylinder
// along the style foot's generatrix, whose perpendicular style is the cylinder's style.

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "numeric/checked.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using numeric::checkedSqrt;

void InitCylProjective(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;
    const double D = m.WallDeclRad;
    const double phi = m.LatRad;

    m.CylParam = m.Radius;
    m.HourStep = checkedDiv(15, in.number("TxtHour"));
    m.StyleLength = in.number("txtStilo");
    m.PointStep = in.number("txt_Definition") / 500;
    const double L = m.StyleLength;

    if (m.LatDegrees == 0) {
        // At the equator the substyle is vertical and the polar style lies in the meridian.
        m.SubstyleRad = m.Pi / 2;
        m.StyleElevRad = m.Pi / 2 - D;
        m.SubstyleHour = m.Pi / 2;
    } else {
        m.SubstyleRad = std::atan(checkedDiv(std::sin(D), std::tan(phi)));
        // The elevation of the polar style: the arcsine of cos(lat) cos(D).
        m.HourAngleRad = std::cos(phi) * std::cos(D);
        const double c = m.HourAngleRad;
        m.StyleElevRad = std::atan(checkedDiv(c, checkedSqrt(1 - c * c)));
        m.SubstyleHour =
            -std::atan(checkedDiv(std::tan(m.SubstyleRad), std::sin(m.StyleElevRad)));
    }
    m.SetupAngleA = m.SubstyleRad;
    m.SetupAngleB = m.StyleElevRad;
    const double b = m.SetupAngleB;
    if (b != 0) m.StyleHypotenuse = checkedDiv(L, std::sin(b));
    m.PlaneCoefY = numeric::checkedMul(L, std::tan(b));
}

}  // namespace dials::cylindrical
