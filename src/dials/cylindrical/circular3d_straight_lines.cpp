// The equinoctial, substyle and declination lines of the circular cylinder by 3D analytic
// geometry.
//
// Equinoctial: the plane of the equator through the style tip cut by the cylinder, at the
// plane's height over each chord (planeHeightAt); at the equator that plane stands upright and
// its cut is drawn by heights (DrawUprightCut); near it, and on a wall facing a little off south
// for the substyle, the curve sampler lays the line down the surface.
// Substyle: the plane through the tip that holds the polar axis and the surface's normal at the
// foot; since that plane contains the normal, its cut at chord x has the height of the
// tangent plane's substyle line, -x tan(phi) / sin D, whatever the depth. Of the cut it keeps
// what an hour line of the substyle's hour keeps (substyleHalf).
// Declination lines: the pairs of the shared lines (drawDeclinationLines); where the two roots
// of a pair meet, the line turns back across the chord.

#include <cmath>
#include <optional>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/geometry_names.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylEquinoctialLine3D(shell::Context& ctx) {
    const ChordFrame f = ChordFrame::from(ctx.m);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    const Vec3 pole = celestialPole(f.phi);
    layPlaneCut(chordSweep(ctx), pole, everySunKept, colour, horizonSuns(pole));
    // On the generatrices the chord frame unrolls: those within a quarter turn of the foot's.
    const double quarter = ctx.m.Pi / 2;
    DrawUprightCut(ctx, pole, [quarter](double psi) { return std::fabs(psi) <= quarter; }, colour);
}

void DrawCylSubstyleLine3D(shell::Context& ctx) {
    const ChordFrame f = ChordFrame::from(ctx.m);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    // At the equator the plane of the substyle is the horizontal plane through the tip: its
    // suns stand on the horizon, and none casts a shadow.
    if (f.phi == 0) return;
    const double sinD = std::sin(f.D), tanPhi = std::tan(f.phi);
    const HourPlaneHalf half = substyleHalf(f.phi, f.D, ctx.m.Pi);
    layChordCurve(
        ctx,
        [&](double x) -> std::optional<double> { return numeric::checkedDiv(-x * tanPhi, sinD); },
        [&](const Vec3& sun) { return half.keeps(sun); }, colour,
        f.shadowTurns(substyleEndSuns(f.phi, half, ctx.m.Pi), ctx.m.Pi));
}

void DrawCylDeclinationLines3D(shell::Context& ctx) {
    // The month lines are computed a thousandth of a degree off 20 and 11.5.
    drawDeclinationLines(ctx, chordSweep(ctx), 20.001, 11.501);
}

}  // namespace dials::cylindrical
