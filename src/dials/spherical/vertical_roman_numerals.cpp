// Roman hour numerals of the vertical dial by spherical trigonometry: one on each whole-hour
// line the programme draws, from four in the morning to eight in the evening, where it meets the
// declination line typed in txtlineofdeclination, so the numerals run in a row along that line;
// only where that sun shines on the wall from above the horizon (WallPoint::drawn), as the hour
// line's own points. With standard-meridian time the lines, and so the numerals, are those of
// the zone's clock; the numeral names the clock's hour.

#include "dials/spherical/vertical_procedures.h"
#include "glyphs/glyphs.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::spherical {

std::vector<NumeralPlace> RomanNumeralPlacesVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    const double decl =
        numeric::sgn(m.LatRad) * ctx.inputs.number("txtlineofdeclination") * m.HemisphereSign;

    std::vector<NumeralPlace> places;
    const int last = static_cast<int>(kLastHourDeg);
    for (int H = -last; H <= last; H += 15) {
        m.SunDecl = decl;
        const double t = (H - E * m.ZoneCorrRad * 180 / m.Pi) * m.Pi / 180;
        const auto p = vsph::ShadowPointVertSph(m, t, m.SunDecl);
        if (!p || !p->drawn()) continue;
        int hour = 12 + H / 15;
        if (hour > 12) hour -= 12;
        places.push_back({hour, p->x, p->y});
    }
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
