// Roman hour numerals of the vertical dial by spherical trigonometry: one for each whole hour
// round the day whose line has a point in the plot area (dials::lineHasPointInBox, the line as
// the hour lines lay it), where that line meets the declination line typed in
// txtlineofdeclination, so the numerals run in a row along that line; only where that sun shines
// on the wall from above the horizon (WallPoint::drawn), as the hour line's own points, and where
// that point lies in the plot area (dials::markInArea). With standard-meridian time the lines,
// and so the numerals, are those of the zone's clock; the numeral names the clock's hour.

#include "dials/numeral_lines.h"
#include "dials/plot_mark.h"
#include "dials/spherical/vertical_procedures.h"
#include "glyphs/glyphs.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::spherical {

std::vector<NumeralPlace> RomanNumeralPlacesVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double decl =
        numeric::sgn(m.LatRad) * ctx.inputs.number("txtlineofdeclination") * m.HemisphereSign;
    const PlotBox box = plotBox(ctx.ixPlot1());

    std::vector<NumeralPlace> places;
    forEachHourOfTheDay(15, [&](double H) {
        double t = 0;
        if (!numeric::assignOrSkip(t, [&] { return vsph::clockHourAngle(ctx, H); })) return;
        if (!lineHasPointInBox(vsph::curveOf(vsph::hourLineAt(m, t)), vsph::hourLineSweep(m),
                               kLineStep, box))
            return;
        m.SunDecl = decl;
        const auto p = vsph::ShadowPointVertSph(m, t, m.SunDecl);
        if (!p || !p->drawn() || !markInArea(ctx.ixPlot1(), {p->x, p->y})) return;
        places.push_back({hourNumber(H), p->x, p->y});
    });
    return places;
}

void PlotRomanNumeralsVertSph(shell::Context& ctx) {
    for (const NumeralPlace& place : RomanNumeralPlacesVertSph(ctx)) {
        // The glyph moves the point it is given onto the numeral's corner; the place stays.
        double x = place.x, y = place.y;
        glyphs::GlyphRomanNumeral(ctx, x, y, ctx.m.Pi / 2, place.hour, 1);
    }
}

}  // namespace dials::spherical
