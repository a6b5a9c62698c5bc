// The asymptotes of the solstice curves (declination +-23.45) of a vertical dial, when those
// curves are hyperbolas: two straight runs of points. The style geometry is worked out again
// from the place and the wall, so that the vertical programmes can call this last whatever
// their features left behind.
//
// In the frame of the substyle (w along it from the point where the equinoctial crosses it, v
// across it) the solstice conic is w^2 + K v^2 + A w + (L / cos e)^2 / T = 0, with
// T = sin^2 e - k cos^2 e, k = 1 / tan^2(23.45), K = 1 / T and A = -2 L tan e / T. For K < 0 it is
// a hyperbola whose asymptotes are w = +-sqrt(-K) v - A / 2.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "dials/sky_lines/sky_lines.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::sky_lines {

namespace {

// The substyle's angle from the vertical of the wall: the arc sine of the polar axis laid on
// the wall, across it, over its length (the cosine of the style elevation, which the axis's
// components give without the cancellation of sqrt(1 - sin^2 e): near a style perpendicular to
// the wall, a wall facing due south or north on the equator, the cosine computed from the angle
// is a rounding error of either sign, and the ratio of two rounding errors is no sine). Where
// the style is perpendicular to the wall but for the rounding of the stored Pi (sin 180 degrees
// is 4e-10) the wall has no substyle direction and 0 is taken; no hyperbola follows, the
// solstice curves are circles.
double substyleAngle(const shell::Module1& m, const Face& wall, double phi) {
    const DialPoint along = wall.substyleDirection(phi);
    const double cosE = std::hypot(along.x, along.y);
    if (cosE <= numeric::kStoredPiResidue) return 0;
    return shell::ArcSin(m, numeric::clampRoundedSine(-along.x / cosE));
}

}  // namespace

void PlotAsymptotes(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    using numeric::checkedDiv;

    // The vertical dial by spherical trigonometry draws the southern dial turned over.
    const double F = in.checked("mnuVertSph") ? m.HemisphereSign : 1;
    const double phi = m.LatRad, D = m.WallDeclRad, L = m.StyleLength;

    // The elevation of the polar style over the wall, 0 where the wall holds the axis.
    const Face wall = Face::declining(D, 0);
    const double g =
        wall.meetsAtInfinity(celestialPole(phi)) ? 0 : wall.polarElevationSine(phi);
    const double e = shell::ArcSin(m, g);
    const double S = in.checked("M_Frinter") ? m.SubstyleRad : -substyleAngle(m, wall, phi);

    const double tanE = std::tan(e), cosE = std::cos(e), sinE = std::sin(e);
    const double P = tanE * L;
    const double t2345 = std::tan(kSolsticeDeg * m.Pi / 180);
    const double T = sinE * sinE - checkedDiv(1, t2345 * t2345) * cosE * cosE;
    if (T == 0) return;  // parabolas, which have no asymptotes
    const double A = checkedDiv(-2 * L * tanE, T);
    const double K = checkedDiv(1, T);
    if (!(K < 0)) return;  // an ellipse or a parabola has no asymptotes
    const double slope = std::sqrt(-K);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kGreen);
    plot::PlotSurface& plot = ctx.ixPlot1();
    for (double t : numeric::StepRange(-2, 2, 0.002)) {
        for (double w : {t * slope - A / 2, -t * slope - A / 2}) {
            const double x = t * std::cos(S) - (w - P) * std::sin(S);
            const double y = t * std::sin(S) + (w - P) * std::cos(S);
            plot.xPset(x, F * y, colour);
        }
    }
}

}  // namespace dials::sky_lines
