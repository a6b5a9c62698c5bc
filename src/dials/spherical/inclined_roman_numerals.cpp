// Roman numerals of the whole hours round the day, in a row along the declination typed in
// txtlineofdeclination: each numeral is centred on the shadow point of its hour angle for that
// declination where that hour's sun shines on the dial from above the horizon, placed by the
// programme's rule (northern, or reflected southern), for the hours whose line has a point in the
// plot area (dials::lineHasPointInBox, the line as the hour lines lay it) and whose own point lies
// in it (dials::markInArea).

#include <array>

#include "dials/geometry_names.h"
#include "dials/numeral_lines.h"
#include "dials/plot_mark.h"
#include "geometry/sky.h"
#include "dials/spherical/inclined_procedures.h"
#include "glyphs/glyphs.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

constexpr numeric::Colour kWhite = 16777215;
constexpr numeric::Colour kRed = 255;

// The hour angles labelled, in degrees, in the order they are drawn: the morning from 11 back
// to 1, then noon and the afternoon to midnight (forEachHourOfTheDay's hours).
constexpr std::array<double, 24> kHourAngles = {
    -15, -30, -45, -60, -75, -90, -105, -120, -135, -150, -165, 0,
    15,  30,  45,  60,  75,  90,  105,  120,  135,  150,  165,  180};

// The text colour set around the numerals of XI and XII, before and after each.
struct TextColours {
    bool set;
    numeric::Colour before;
};

TextColours textColoursFor(double hourAngleDeg) {
    if (hourAngleDeg == -15) return {true, kWhite};
    if (hourAngleDeg == 0) return {true, kRed};
    return {false, 0};
}

}  // namespace

// The numeral of an hour whose projection fails (the sun's direction parallel to the plane) is
// left out, and so is that of an hour whose sun stands behind the plane: its projection is the
// shadow of the opposite sun, on another hour's line and the other side of the equinoctial.
void DrawSphericalRomanNumerals(shell::Context& ctx, const NumeralGlyph& glyph) {
    shell::Module1& m = ctx.m;
    const double shift = StandardTimeShiftDeg(ctx);
    const double typed = ctx.inputs.number("txtlineofdeclination");
    m.SunDecl = typed;
    const double delta = numeric::checkFinite(typed * m.Pi / 180);

    for (double H : kHourAngles) {
        m.HourLoop = H;
        // Reflected through the foot in the south: the whole hour angle changes sign.
        const double hourAngle =
            numeric::checkFinite(m.HemisphereSign * (H + shift) * m.Pi / 180);
        m.HourAngleRad = hourAngle;
        if (!SunInFront(m, hourAngle, delta)) continue;
        const std::optional<DialPoint> p = ShadowPointSpherical(m, hourAngle, delta);
        if (!p) continue;
        double X = p->x, Y = p->y;
        const int hour = hourNumber(H);
        const TextColours colours = textColoursFor(H);
        auto drawAt = [&](double& x, double& y) {
            plot::PlotSurface& plot = ctx.ixPlot1();
            if (colours.set) plot.setForeColor(colours.before);
            glyph(ctx, x, y, m.Pi / 2, hour, 1);
            if (colours.set) plot.setForeColor(kWhite);
        };
        if (!aboveHorizon(SunOfPoint(m, X, Y))) continue;
        // A sun in the plane of the dial up to the stored Pi's residue (the hour plane of six on
        // a polar dial) casts its shadow at infinity: the hour has no numeral.
        if (PlaneFaceSpherical(m).meetsAtInfinity(PlaneFaceSpherical(m).sunOf(m.StyleLength, {X, Y})))
            continue;
        // Nor has an hour whose line has no point in the plot area. Laying the line writes its
        // declinations to SunDecl: the typed one is put back.
        if (!lineHasPointInBox(HourLineSpherical(m, hourAngle), kHourLineSweepSpherical,
                               kLineStep, plotBox(ctx.ixPlot1())))
            continue;
        m.SunDecl = typed;
        // Nor has one whose point, where it is drawn, lies outside the plot area.
        double atX = m.LatRad >= 0 ? X : -X, atY = m.LatRad >= 0 ? Y : -Y;
        if (markInArea(ctx.ixPlot1(), {atX, atY})) drawAt(atX, atY);
    }
}

}  // namespace dials::spherical
