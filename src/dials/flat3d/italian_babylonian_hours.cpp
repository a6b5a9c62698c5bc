// Italian hours (counted from the last sunset) and Babylonian hours (counted from sunrise). The
// line of one such hour is where the dial plane meets the plane through the style tip that is
// the horizon turned about the polar axis by an angle H (positive towards the east; the sky of
// geometry/sky.h turns it by westward(H)): its normal is the zenith turned the same way. In
// the north H = 15 k is the Italian hour 24 - k and H = -15 k the Babylonian hour k. One line
// per whole hour whatever the hour fraction, taken along itself across the plot area (see
// dial_line.h), each point kept only where the sun of that hour casts it: the point's sun (the
// direction from it to the tip) stands above the horizon (geometry::aboveHorizon) on the half of the
// turned horizon that belongs to the family (HourPlaneHalf::onOwnHalf). The turned circle is the
// horizon's western half (the sunsets, turned east: the Italian hours) and its eastern half (the
// sunrises, turned west: the Babylonian hours), parted by the meridian plane turned the same way
// (HourPlaneHalf::ofTurnedHorizon). On the rest of the line the same circle carries the other
// family's hour of the same number, or a sun at night; the two halves meet at the sun of the day
// circle that grazes the horizon, where Italian hour n and Babylonian hour n are one sun. The
// folded southern dial runs its Italian hours over the Babylonian range of the north (its sun
// turns the other way), so the half follows the sign of H in both hemispheres: the setting half
// for H > 0, the rising half otherwise. The line of H = 0 is the horizon itself: every sun on it
// stands on the horizon, which casts no shadow.

#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "geometry/vec3.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

struct HourFamily {
    double from;  // degrees of HourLoop
    double to;
    palette::Index colour;
};

// Italian hours turn the horizon west of the meridian in the north, Babylonian hours east; the
// southern hemisphere (folded onto the north) swaps the ranges.
HourFamily italianHours(const shell::Module1& m) {
    return {-90.0 * (1 - m.HemisphereSign), 90.0 * (1 + m.HemisphereSign), palette::kLightRed};
}

HourFamily babylonianHours(const shell::Module1& m) {
    return {-90.0 * (1 + m.HemisphereSign), 90.0 * (1 - m.HemisphereSign), palette::kLightMagenta};
}

void drawFamily(shell::Context& ctx, const HourFamily& family) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const Vec3 tip = tipOf(g);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, family.colour);

    numeric::countedLoop(m.HourLoop, family.from, family.to, 15, [&](double hourLoop) {
        const double H = hourLoop * m.Pi / 180;
        m.HourAngleRad = H;
        // The half follows the sign of H, not the family: the folded southern dial runs its
        // Italian hours over the northern Babylonian range (its sun turns the other way), and
        // the setting half of the turned horizon is the one of H > 0 in both hemispheres.
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(g.phi, westward(H), m.Pi, H > 0);
        plotLineInArea(plot, colour, g.face.section(turnedHorizonNormal(g.phi, westward(H)), tip),
                       [&](const DialPoint& p) {
                           const Vec3 P = g.face.world(p);
                           const Vec3 sun = tip - P;
                           return half.castsOwnHour(sun);
                       });
    });
}

}  // namespace

void DrawItalianHours(shell::Context& ctx) { drawFamily(ctx, italianHours(ctx.m)); }

void DrawBabylonianHours(shell::Context& ctx) { drawFamily(ctx, babylonianHours(ctx.m)); }

}  // namespace dials::flat3d
