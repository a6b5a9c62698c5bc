// The lines of equal altitude and of equal azimuth of the sun: for each step of the sun's
// declination between the solstices, the shadow of the style tip at the hour when the sun
// stands at that altitude (morning and afternoon) or at that azimuth. Both re-read the place and
// the plane from the main window, so any programme may call them at any point of its run; the
// shared variables they write stay changed for the procedures after them.

#include <cmath>

#include "dials/geometry_names.h"
#include "dials/plot_point.h"
#include "geometry/sky.h"
#include "dials/sky_lines/sky_lines.h"
#include "dials/sky_lines/sky_projection.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::sky_lines {

void PlotAltitudeLines(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    m.LatRad = numeric::checkFinite(in.number("txtLAT") * m.Pi / 180);
    m.LatDecimal = in.number("txtLAT");
    m.StyleLength = in.number("txtStilo");
    m.ReclRad = 0;
    m.WallDeclRad = numeric::checkFinite(shell::typedDeclination(in) * m.Pi / 180);
    const double hemisphere = m.LatRad >= 0 ? 1 : -1;
    m.ReclDeg = planeReclinationDeg(in, hemisphere);
    m.ReclRad = numeric::checkFinite(m.ReclDeg * m.Pi / 180);
    if (std::fabs(m.ReclDeg) == 90) m.WallDeclRad = 0;

    const SkyPlane plane = SkyPlane::of(m.LatRad, m.WallDeclRad, m.ReclRad, m.StyleLength, m.Pi);
    const double definition = in.number("txt_Definition");
    // A definition of 0 (or less) gives no declination step: no line is drawn.
    if (!(definition > 0)) return;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightGreen);
    plot::PlotSurface& plot = ctx.ixPlot1();

    // The lines of 10, 20, ... degrees up to the highest the noon sun of the year stands, in
    // either hemisphere; no altitude exceeds 90 degrees.
    const numeric::StepRange altitudes(
        10, std::fmin(90, 90 - std::fabs(m.LatDecimal) + kInnerSolsticeDeg), 10);
    const numeric::StepRange declinations(-kSolsticeDeg, kSolsticeDeg, 0.005 * definition);
    for (double side : {-1.0, 1.0}) {
        for (double a : altitudes) {
            m.HourAngleRad = a * m.Pi / 180;
            for (double decl : declinations) {
                m.SunDecl = decl;
                numeric::skip([&] {
                    const double delta = decl * m.Pi / 180;
                    const double c = numeric::clampStoredPiSine(numeric::checkedDiv(
                        std::sin(m.HourAngleRad) - std::sin(delta) * std::sin(m.LatRad),
                        std::cos(delta) * std::cos(m.LatRad)));
                    if (std::fabs(c) > 1) return;
                    // The day's sun reaches the altitude only at noon (or midnight): the top
                    // (or the foot) of the line, one point of both halves.
                    if (side > 0 && std::fabs(c) == 1) return;
                    plotSunlitShadow(plot, plane, hemisphere, side * shell::ArcCos(m, c), delta,
                                     colour);
                });
            }
        }
    }
}

void PlotAzimuthLines(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    m.LatRad = numeric::checkFinite(in.number("txtLAT") * m.Pi / 180);
    // In the south the declination is counted from the north: turn it to the face's own.
    auto faceDeclination = [&](double typed) {
        return m.LatRad < 0 ? numeric::supplementKeepingUpperEnd(typed, 180) : typed;
    };
    m.DeclDegrees = faceDeclination(shell::typedDeclination(in));
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = numeric::checkFinite(m.DeclDecimal * m.Pi / 180);
    m.StyleLength = in.number("txtStilo");
    m.ReclDeg = 0;
    if (programmeHasReclination(in))
        m.ReclDeg = shell::typedReclination(in, m.LatRad < 0 ? -1 : 1) * numeric::sgn(m.LatRad);
    m.ReclRad = numeric::checkFinite(m.ReclDeg * m.Pi / 180);

    // A horizontal plane has no declination of its own: its lines are drawn on the axes of a
    // plane facing due south (due north in the southern drawing), as the other lines are.
    const bool horizontal =
        programmeHasReclination(in) && shell::typedHorizontal(in);
    const double D = horizontal ? faceDeclination(0) * m.Pi / 180 : m.WallDeclRad;
    const SkyPlane plane = SkyPlane::of(m.LatRad, D, m.ReclRad, m.StyleLength, m.Pi);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kBrown);
    plot::PlotSurface& plot = ctx.ixPlot1();

    for (double z : numeric::StepRange(-90, 90, 15)) {
        const double psi = std::atan(std::sin(m.LatRad) * std::tan(z * m.Pi / 180));
        if (m.LatRad == 0 || !shell::ticked(ctx, "ckAz")) continue;
        for (double decl :
             numeric::StepRange(-kInnerSolsticeFineDeg, kInnerSolsticeFineDeg, 0.05)) {
            m.SunDecl = decl;
            // A point whose hour or projection fails is left out, not drawn at old values.
            numeric::skip([&] {
                const double delta = decl * m.Pi / 180;
                const double H =
                    shell::ArcSin(m, numeric::clampStoredPiSine(numeric::checkedDiv(
                                         std::tan(delta) * std::sin(psi), std::tan(m.LatRad)))) -
                    psi;
                m.HourAngleRad = H;
                const SkyShadow s = projectShadow(plane, H, delta);
                // The point lies below the horizon line of the tip. A sun above the horizon
                // casts it when in front of the plane; a sun below the horizon and behind the
                // plane marks the shadow of the opposite sun (the other declination of the
                // pair, on the same vertical circle), which is as real. Unlike the height of
                // the horizon line this test holds on a horizontal plane as well.
                const bool above = aboveHorizon(sunDirection(m.LatRad, H, delta));
                if ((s.denominator > 0) == above) plotDialPoint(plot, s.point, colour);
            });
        }
    }
}

}  // namespace dials::sky_lines
