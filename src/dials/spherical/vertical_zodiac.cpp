// The twelve zodiac signs of the vertical dial by spherical trigonometry. Each stands on the
// declination line that bounds its sign at a fixed hour angle: the signs of the rising half of
// the year in the morning, those of the falling half in the afternoon, the solstice signs a
// little before noon beyond their solstice lines. All are turned by one angle, that of the
// equinoctial between the hour angles -50 and +30 plus a quarter turn. A sign whose point cannot
// be computed, or lies outside the plot area (dials::markInArea), or whose glyph fails, is left
// out and the next one follows.

#include <cmath>
#include <optional>

#include "dials/plot_mark.h"
#include "dials/spherical/vertical_procedures.h"
#include "glyphs/glyphs.h"
#include "numeric/checked.h"
#include "numeric/skip.h"

namespace dials::spherical {

namespace {

using Glyph = void (*)(shell::Context&, double, double, double, double);

struct SignAnchor {
    ZodiacSign sign;
    Glyph glyph;
    double hourAngle;    // degrees, negative before noon
    double declination;  // degrees
};

constexpr SignAnchor kSigns[] = {
    {ZodiacSign::Aries, glyphs::GlyphAries, -40, 0},
    {ZodiacSign::Libra, glyphs::GlyphLibra, 40, 0},
    {ZodiacSign::Cancer, glyphs::GlyphCancer, -10, 25.44},
    {ZodiacSign::Capricorn, glyphs::GlyphCapricorn, -10, -29.44},
    {ZodiacSign::Gemini, glyphs::GlyphGemini, -25, 20.001},
    {ZodiacSign::Taurus, glyphs::GlyphTaurus, -35, 11.5001},
    {ZodiacSign::Pisces, glyphs::GlyphPisces, -40, -11.5001},
    {ZodiacSign::Aquarius, glyphs::GlyphAquarius, -40, -20.001},
    {ZodiacSign::Sagittarius, glyphs::GlyphSagittarius, 40, -20.001},
    {ZodiacSign::Scorpio, glyphs::GlyphScorpio, 40, -11.5001},
    {ZodiacSign::Virgo, glyphs::GlyphVirgo, 35, 11.5001},
    {ZodiacSign::Leo, glyphs::GlyphLeo, 25, 20.001},
};

const SignAnchor& anchorOf(ZodiacSign sign) {
    for (const SignAnchor& a : kSigns)
        if (a.sign == sign) return a;
    return kSigns[0];
}

}  // namespace

ZodiacLayout ZodiacLayoutVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    ZodiacLayout layout;

    // The turn follows the equinoctial; left at 0 (upright) when it cannot be formed.
    const auto first = vsph::EquinoxShadowPointVertSph(m, -50 * m.Pi / 180);
    const auto second = vsph::EquinoxShadowPointVertSph(m, 30 * m.Pi / 180);
    if (first && second)
        numeric::assignOrSkip(layout.rotationDeg, [&] {
            const double slope = numeric::checkedDiv(second->y - first->y, second->x - first->x);
            return std::atan(slope) * 180 / m.Pi + 90;
        });

    for (const SignAnchor& a : kSigns) {
        const double t = a.hourAngle * m.Pi / 180;
        std::optional<vsph::WallPoint> p;
        if (a.declination == 0) {
            p = vsph::EquinoxShadowPointVertSph(m, t);
        } else {
            m.SunDecl = a.declination;
            p = vsph::ShadowPointVertSph(m, t, m.SunDecl);
        }
        if (!p || !p->drawn() || !markInArea(ctx.ixPlot1(), {p->x, p->y})) continue;
        layout.places.push_back({a.sign, p->x, p->y});
    }
    return layout;
}

void PlotZodiacSigns(shell::Context& ctx) {
    const ZodiacLayout layout = ZodiacLayoutVertSph(ctx);
    for (const ZodiacPlace& place : layout.places)
        numeric::skip([&] {
            anchorOf(place.sign).glyph(ctx, place.x, place.y, layout.rotationDeg,
                                       ctx.m.StyleLength);
        });
}

}  // namespace dials::spherical
