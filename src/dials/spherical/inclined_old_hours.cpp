// Italian hours (counted from sunset), Babylonian hours (counted from sunrise) and temporary
// hours (twelfths of the day from sunrise to sunset). Each line is the run of shadow points of
// one such hour over the declinations between the solstices; the hour angle of each point comes
// from the semi-diurnal arc H0 of its day. Days on which the sun does not rise or does not set
// have no such hours and are skipped. A point is drawn where its sun stands above the horizon
// (the Babylonian hour 0 and the Italian hour 24, whose suns stand on it, draw nothing), and an
// Italian or Babylonian point where that sun also lies on its family's half of the hour's turned
// horizon. Every line is laid whole by the shared curve sampler (layLine).

#include <cmath>
#include <optional>

#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/spherical/inclined_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

enum class Count { Italian, Babylonian, Temporary };

struct Family {
    const char* checkBox;
    double first;
    double last;
    palette::Index colour;
    Count count;
};

// The hour angle of hour k on a day of semi-diurnal arc H0. The programme reflects its points
// through the foot of the style in the southern hemisphere, which turns every hour angle into
// its opposite: the Italian and Babylonian hour angles are turned back by the hemisphere's sign.
// The temporary hours are symmetric about noon as a family and are not.
double hourAngle(const shell::Module1& m, Count count, double k, double H0) {
    switch (count) {
        case Count::Italian:
            return m.HemisphereSign * ((k * m.Pi / 12 + H0 - 2 * m.Pi) + m.Pi / 12);
        case Count::Babylonian: return m.HemisphereSign * (k * m.Pi / 12 - H0);
        case Count::Temporary: return H0 * (k / 6 - 1);
    }
    return 0;
}

// The half of the turned horizon that holds the suns of the programme's Italian line k (the
// Italian hour k + 1) or of its Babylonian hour k: the horizon turned by 15 degrees for every
// hour (geometry/sky.h). None for the temporary hours, which lie on no such circle.
std::optional<HourPlaneHalf> turnedHorizonHalf(const shell::Module1& m, Count count, double k) {
    switch (count) {
        case Count::Italian:
            return HourPlaneHalf::ofTurnedHorizon(m.LatRad, (k + 1) * m.Pi / 12, m.Pi, true);
        case Count::Babylonian:
            return HourPlaneHalf::ofTurnedHorizon(m.LatRad, k * m.Pi / 12, m.Pi, false);
        case Count::Temporary: return std::nullopt;
    }
    return std::nullopt;
}

// The dial point drawn for the sun (H, delta), which shines on the dial, kept by the rule of an
// Italian or Babylonian point: its sun above the horizon, on its family's half of the hour's
// circle.
std::optional<DialPoint> ownHourPoint(shell::Module1& m, const HourPlaneHalf& half, double H,
                                      double delta) {
    const std::optional<DialPoint> p = ShadowPointSpherical(m, H, delta);
    if (!p || !half.castsOwnHour(SunOfPoint(m, p->x, p->y))) return std::nullopt;
    return DrawnSunPointSpherical(m, H, delta, false);
}

void drawFamily(shell::Context& ctx, const Family& family) {
    shell::Module1& m = ctx.m;
    if (!shell::ticked(ctx, family.checkBox)) return;
    const double step = oldHourStep(ctx);
    const numeric::Colour colour = shell::LineColor(ctx, family.colour);
    for (double k : numeric::StepRange(family.first, family.last, step)) {
        const std::optional<HourPlaneHalf> half = turnedHorizonHalf(m, family.count, k);
        layLine(ctx, {-kInnerSolsticeDeg, kInnerSolsticeDeg, 0.05}, colour,
                [&](double decl) -> std::optional<DialPoint> {
            m.SunDecl = decl;
            const double delta = decl * m.Pi / 180;
            const double H0 = semiDiurnalArc(m.LatRadCopy, delta, m.Pi);
            if (!risesAndSets(H0, m.Pi)) return std::nullopt;
            const double H = hourAngle(m, family.count, k, H0);
            m.HourAngleRad = H;
            if (family.count != Count::Temporary && !(std::fabs(H) <= H0)) return std::nullopt;
            if (!half) return DrawnSunPointSpherical(m, H, delta, true);
            if (!SunInFront(m, H, delta)) return std::nullopt;
            return ownHourPoint(m, *half, H, delta);
        });
    }
}

}  // namespace

// Every hour of the Italian and Babylonian days: beyond the polar circles the long summer days
// light the first hours after sunset and the last before sunrise too. Hours whose sun is never
// up draw nothing.
void DrawSphericalItalianHours(shell::Context& ctx) {
    drawFamily(ctx, {"ck_Italiche", -1, 24, palette::kLightRed, Count::Italian});
}

void DrawSphericalBabylonianHours(shell::Context& ctx) {
    drawFamily(ctx, {"ck_babiloniche", 0, 24, palette::kLightMagenta, Count::Babylonian});
}

void DrawSphericalTemporaryHours(shell::Context& ctx) {
    drawFamily(ctx, {"ckTemp", 0, 12, palette::kLightCyan, Count::Temporary});
}

}  // namespace dials::spherical
