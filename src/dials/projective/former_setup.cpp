// Set-up of the former projective programme: the inputs, the signed polar style and the conics
// of the declination lines on the reference plane.

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::projective {

using numeric::checkedDiv;

namespace former {

ScaledConic declinationConic(const shell::Module1& m, double degrees) {
    const double phi = m.LatRad;
    const double s = m.StyleLengthD;
    const double k = checkedDiv(1, sq(std::tan(degrees * m.Pi / 180)));
    ScaledConic c;
    c.T = sq(std::cos(phi)) - k * sq(std::sin(phi));
    c.b = checkedDiv(-2 * s * std::cos(phi), std::tan(phi));
    c.c = checkedDiv(s * s, sq(std::tan(phi)));
    c.K = k * sq(s * std::cos(phi));
    return c;
}

}  // namespace former

bool typedPlaneHoldsPolarAxis(const shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    const double pi = kStoredPi;
    const double phi = in.number("txtLAT") * pi / 180;
    const double D = ctx.m.DeclSign * shell::typedDeclination(in) * pi / 180;
    const double R = shell::typedReclination(in, 1) * pi / 180;
    return Face::declining(D, R).meetsAtInfinity(celestialPole(phi));
}

void SetupProjectiveFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    ReadProjectivePlane(ctx);

    const double phi = m.LatRad, R = m.ReclRad;
    // The polar style from the tip to the centre: the perpendicular style over the sine of the
    // style's elevation. Its sign tells on which side of the tip the centre lies. A style
    // parallel to the plane (a polar plane) has no centre: typed exactly, the stored Pi leaves
    // a sine of some 1e-10 instead of 0, which would put the centre 1e9 style lengths away and
    // every line of the method at that centre; the face takes it as the 0 it stands for.
    //
    // The face is built once, and the polar style taken from it in this programme's signs: the
    // elevation E is the arcsine of minus the face's elevation sine (a style perpendicular to the
    // plane can come out a rounding past 1).
    const Face face = dialFace(m);
    const double sinE =
        face.meetsAtInfinity(celestialPole(phi)) ? 0 : -face.polarElevationSine(phi);
    const double E =
        shell::ArcSin(m, numeric::clampRoundedSine(-face.polarElevationSine(phi)));
    double s = std::fabs(checkedDiv(m.StyleLength, sinE));
    // A plane turned past the vertical, reclining or inclining, is the plane of declination
    // D + 180 and reclination +-180 - R seen from its other axes: the map turns its points half
    // round, and the polar style changes sign to match.
    if (R >= m.Pi / 2 || R <= -m.Pi / 2) s = -s;
    // Reclined past the polar axis: the axis rises out of the face on the tip's side, as seen
    // from the face's own side of the vertical.
    if ((face.polarElevationSine(phi) > 0) == (std::cos(R) > 0)) s = -s;
    m.StyleLengthD = s;
    m.StyleElevRad = E;

    // The method lays its declination lines on conics that divide by the tangent of the
    // latitude: a latitude that leaves them no finite coefficient stops the run here.
    former::declinationConic(m, kSolsticeDeg);
}

}  // namespace dials::projective
