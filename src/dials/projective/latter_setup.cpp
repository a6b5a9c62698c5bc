// Set-up of the latter projective programme: the inputs into the shared variables and the
// auxiliary vertical dial (its style, substyle and style elevation). Nothing here skips a failing
// statement: a numerical failure ends the run, and Run tells the user.

#include <cmath>

#include "dials/projective/latter_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"

namespace dials::projective {

using numeric::checkedDiv;
using numeric::checkFinite;

void SetupProjectiveLatter(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;

    ReadProjectivePlane(ctx);
    const double longitude = checkFinite(in.number("txtLON"));
    // The standard-meridian correction: the hour angle of the zone's meridian east of the place.
    const double zone = checkFinite(in.number("TxtFuso"));
    m.ZoneCorrDeg = -15 * zone - m.EastSign * std::fabs(longitude);
    m.LonAbsDeg = m.ZoneCorrDeg * m.Pi / 180;

    // The auxiliary vertical plane V: its perpendicular style, and its polar style taken from its
    // face (a vertical plane of the wall's declination) in this programme's signs: B the style's
    // elevation over V, positive where the axis rising to the pole runs into the wall behind the
    // tip (minus the face's elevation sine); A the substyle's angle from V's vertical, positive
    // where it leans to the east; and minus the substyle's hour angle, folded within -90..90
    // degrees, as the hour lines count it (Face::styleAngles).
    const double H = checkedDiv(m.StyleLength, std::cos(m.ReclRad));
    const Face::StyleAngles style =
        Face::declining(m.WallDeclRad, 0).styleAngles(m.LatRad, m.Pi);
    const double B = style.elevation;
    m.AuxStyleLength = H;
    m.SetupAngleA = style.substyle;
    m.SetupAngleB = B;
    m.SubstyleHour = style.hour;

    m.PlaneCoefY = H * std::tan(B);
}

}  // namespace dials::projective
