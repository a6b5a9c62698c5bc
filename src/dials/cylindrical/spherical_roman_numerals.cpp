// Roman numerals on the hour lines of the circular cylinder by spherical trigonometry: one for
// each whole hour of the day (XII at noon, V before VI in the morning where the summer sun lights
// the dial that early), centred on the shadow point of its hour at the declination 25 degrees,
// beyond the summer solstice line.
// With standard-meridian time the numerals move with their lines and keep their numbers. An hour
// whose line (the shadows of that hour's suns between the solstices) has no point in the plot
// area gets no numeral (dials::lineHasPointInBox).

#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "dials/numeral_lines.h"
#include "dials/plot_mark.h"
#include "geometry/sky.h"
#include "numeric/palette.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// The numeral of the whole hour k hours after noon (-11 to 12): its hour on a twelve-hour dial.
int hourNumeral(int k) {
    const int h = ((k % 12) + 12) % 12;
    return h == 0 ? 12 : h;
}

// Whether the hour line of the hour angle tau has a point in the plot area. Laying it writes the
// projection's working cells: the numeral's own point is projected after it.
bool hasLineInArea(shell::Context& ctx, double tau) {
    shell::Module1& m = ctx.m;
    const CurveAt line = [&m, tau](double decl) -> std::optional<DialPoint> {
        const std::optional<CylSphPoint> p = ProjectCylSphPoint(m, tau, decl * m.Pi / 180);
        if (!p) return std::nullopt;
        return DialPoint{p->u, p->y};
    };
    return lineHasPointInBox(line, {-kSolsticeDeg, kSolsticeDeg, 0.05}, kLineStep,
                             plotBox(ctx.ixPlot1()));
}

}  // namespace

// A numeral whose point the projection does not give (the ray misses the section, the point
// lies above the tip, or beyond the convex limit, or cannot be computed), or whose point lies
// outside the plot area (dials::markInArea), is left out.
void DrawCylSphRomanNumerals(shell::Context& ctx, const CylSphNumeralGlyph& glyph) {
    shell::Module1& m = ctx.m;
    const double e = shell::ticked(ctx, "ck_Etna") ? 1 : 0;

    // The hours from 6 in the morning to 6 in the evening first, then those of the night side.
    for (int k : {-6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, -11, -10, -9, -8, -7, 7, 8, 9, 10,
                  11, 12}) {
        m.SunDecl = 25;
        const double delta = m.SunDecl * m.Pi / 180;
        const double hourAngleDeg = 15 * k;
        const double tau = hourAngleDeg * m.Pi / 180 - e * m.ZoneCorrRad;
        if (!hasLineInArea(ctx, tau)) continue;
        const std::optional<CylSphPoint> p = ProjectCylSphPoint(m, tau, delta);
        if (!p || !markInArea(ctx.ixPlot1(), {p->u, p->y})) continue;

        // The glyph centres the numeral on the point and writes the centre back; each block
        // computes its own point, so the change is of no further use.
        double x = p->u, y = p->y;
        const bool noon = k == 0;
        if (noon) ctx.ixPlot1().setForeColor(numeric::qbColor(numeric::palette::kLightRed));
        glyph(ctx, x, y, m.Pi / 2, hourNumeral(k), 1);
        if (noon) ctx.ixPlot1().setForeColor(numeric::qbColor(numeric::palette::kWhite));
    }
}

}  // namespace dials::cylindrical
