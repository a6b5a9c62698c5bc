// The analemma of 12:00 standard time: for each mean day of the year the shadow of the style
// tip when the mean sun stands on the meridian of the time zone, the true sun's declination and
// its offset from the mean sun taken from the sun series. The point is where the line through
// the style tip along the sun's direction meets the dial plane; it is drawn only on the days
// when that sun stands above the horizon and in front of the plane.

#include <cmath>

#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/sun_series.h"
#include "geometry/vec3.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

// The point of the dial plane on the line through the tip T = (X0, Y0, Z0) along the sun.
// In the programme's folded frame the sun has hour angle westward(H) and declination
// -dw: dw and H already carry the hemisphere sign.
Vec3 shadowOfDay(const PlaneGeometry& g, double H, double dw) {
    const double sf = std::sin(g.phi), cf = std::cos(g.phi);
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    const double tanH = std::tan(H), sinH = std::sin(H), tanDw = std::tan(dw);
    const double G = -g.Y0 * cosD + g.Z0 * tanR - g.X0 * sinD;
    const double N = tanDw * tanH * (cf * cosD - sf * tanR) + (cf * tanR + sf * cosD) * sinH -
                     sinH * tanH * sinD;
    return {g.X0 - checkedDiv(G * sinH * tanH, N),
            g.Y0 + checkedDiv(G * (tanDw * tanH * cf + sf * sinH), N),
            g.Z0 + checkedDiv(G * (tanDw * tanH * sf - sinH * cf), N)};
}

// Whether the sun of that day, hour angle westward(H) and declination -dw in the folded
// frame, really casts the point w of its line through the tip: the point's own sun, the
// direction from w to the tip, is that sun and not the opposite direction (which it is when the
// sun stands behind the plane, the line meeting the plane on the sun's side), and it stands above
// the horizon (geometry::aboveHorizon). In front of the plane the sun of every point of it stands,
// and the sun series keeps the declination within the solstices.
bool castByTheSun(const PlaneGeometry& g, const Vec3& w, double H, double dw) {
    const Vec3 own = tipOf(g) - w;
    return dot(own, sunDirection(g.phi, westward(H), -dw)) > 0 && aboveHorizon(own);
}

// The analemma in the colour of the variable.
void plotAnalemma(shell::Context& ctx, palette::Index colourIndex) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double hemisphere = numeric::sgn(m.HemisphereSign);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);

    for (double t : numeric::StepRange(0, 360, kMeanDayDeg)) {
        bool cast = false;
        const auto p = solvePoint([&] {
            const SunSeries sun = sunForDay(t, analemmaObliquityRad(m.Pi), m.Pi);
            const double H = sun.equationOfTime() * hemisphere + m.LonCorrRad;
            const double dw = -sun.declination * hemisphere;
            const Vec3 w = shadowOfDay(g, H, dw);
            cast = castByTheSun(g, w, H, dw);
            return g.face.dialOf(w);
        });
        if (p && cast) plotDialPoint(plot, *p, colour);
    }
}

}  // namespace

void PlotAnalemmaX(shell::Context& ctx) { plotAnalemma(ctx, palette::kLightYellow); }

void PlotAnalemmaY(shell::Context& ctx) { plotAnalemma(ctx, palette::kLightRed); }

}  // namespace dials::flat3d
