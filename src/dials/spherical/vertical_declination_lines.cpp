// The lines of constant declination of the sun on the vertical dial by spherical trigonometry:
// the solstices, the lines that bound the zodiac months, the line typed by the user and the
// equinoctial. Each is a run of shadow points swept over the hour angle where that day's sun
// shines on the wall: over its day's arc from sunrise to sunset, round the clock where the sun
// does not set (plotDayLine), the equinoctial from six to six. Every line is laid whole by the
// shared curve sampler.

#include "dials/spherical/vertical_procedures.h"
#include "geometry/sky.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

void plotDeclinationLine(shell::Context& ctx, const DayLine& line) {
    shell::Module1& m = ctx.m;
    plotDayLine(ctx, shell::LineColor(ctx, line.colour), m.LatRad, line.declination,
                10 * m.PointStep, m.Pi, vsph::curveOf([&](double hour) {
        m.SunDecl = line.declination;
        return vsph::ShadowPointVertSph(m, hour * m.Pi / 180, m.SunDecl);
    }));
}

}  // namespace

void PlotNorthDeclinationLinesVertSph(shell::Context& ctx) {
    plotDeclinationLine(ctx, {kInnerSolsticeDeg, palette::kWhite});
    plotDeclinationLine(ctx, {20.001, palette::kLightMagenta});
    plotDeclinationLine(ctx, {11.5001, palette::kLightCyan});
}

void PlotSouthDeclinationLinesVertSph(shell::Context& ctx) {
    plotDeclinationLine(ctx, {-kInnerSolsticeDeg, palette::kLightRed});
    plotDeclinationLine(ctx, {-20.001, palette::kLightMagenta});
    plotDeclinationLine(ctx, {-11.5001, palette::kLightCyan});
}

void PlotOptionalDeclinationLineVertSph(shell::Context& ctx) {
    if (!shell::ticked(ctx, "ckLineoptional")) return;
    plotDeclinationLine(ctx, {ctx.inputs.number("txtlineofdeclination"), palette::kRed});
}

void PlotEquinoctialLineVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    // The equinox sun on the horizon, at six, casts no shadow (WallPoint::drawn).
    layLine(ctx, {-90, 90, 10 * m.PointStep}, colour, vsph::curveOf([&](double hour) {
                return vsph::EquinoxShadowPointVertSph(m, hour * m.Pi / 180);
            }));
}

}  // namespace dials::spherical
