// Italian hours (counted from the previous sunset: hour 24 is sunset), Babylonian hours
// (counted from sunrise: hour 0 is sunrise) and temporary (unequal) hours on the vertical dial by
// spherical trigonometry. Each day from sunrise to sunset is divided into twelve equal parts, so
// temporary hour k (0 sunrise, 6 noon, 12 sunset) falls at the hour angle (k / 6 - 1) H0, H0 the
// day's semi-diurnal arc. A line is a run of shadow points of one such hour, one for each
// declination of the sun between the solstices, laid whole by the shared curve sampler
// (layLine); a number stands where its whole hour meets the summer tropic line
// (kInnerSolsticeDeg), where that lies in the plot area.

#include <optional>
#include <span>
#include <string>

#include "dials/geometry_names.h"
#include "dials/plot_mark.h"
#include "geometry/sky.h"
#include "dials/spherical/vertical_procedures.h"
#include "numeric/skip.h"
#include "numeric/palette.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

enum class Family { Italian, Babylonian, Temporary };

// The hour angle of hour k of the family on a day of semi-diurnal arc H0.
double hourAngle(const shell::Module1& m, Family family, double k, double H0) {
    switch (family) {
        case Family::Italian: return k * m.Pi / 12 + H0 - 2 * m.Pi;
        case Family::Babylonian: return k * m.Pi / 12 - H0;
        case Family::Temporary: return (k / 6 - 1) * H0;
    }
    return 0;
}

// The shadow of hour k of the family on the day of declination deltaDeg; none on a day without
// sunrise and sunset, when the sun is behind the wall, when the computation fails, or, for an
// Italian or Babylonian hour, where the sun of the point is not one of hour k: below the horizon
// or on the other family's half of the hour's turned horizon
// (geometry::HourPlaneHalf::castsOwnHour). The horizon turned by 15 degrees for every hour holds
// the suns of Italian hour k on its setting half and of Babylonian hour k on its rising half.
std::optional<vsph::WallPoint> hourPoint(shell::Module1& m, Family family, double k,
                                         double deltaDeg) {
    std::optional<vsph::WallPoint> point;
    numeric::skip([&] {
        const double dr = deltaDeg * m.Pi / 180;
        // The semi-diurnal arc, from sunrise (-H0) to noon and from noon to sunset (+H0).
        const double H0 = semiDiurnalArc(m.LatRad, dr, m.Pi);
        if (!risesAndSets(H0, m.Pi)) return;
        const double H = hourAngle(m, family, k, H0);
        const vsph::WallPoint p = vsph::onWall(m, vsph::sunPlace(m, H, dr));
        if (!p.inFront) return;
        const bool italian = family == Family::Italian;
        if (family == Family::Temporary ||
            HourPlaneHalf::ofTurnedHorizon(m.LatRad, k * m.Pi / 12, m.Pi, italian)
                .castsOwnHour(p.sun))
            point = p;
    });
    return point;
}

void plotFamily(shell::Context& ctx, Family family, double fromHour, double toHour,
                palette::Index colour) {
    shell::Module1& m = ctx.m;
    const numeric::Colour drawn = shell::LineColor(ctx, colour);
    const double declStep = 10 * m.PointStep;
    // Each line contains its own point failures; what can reach here is the range refusing its
    // step, before the first round, which draws nothing.
    numeric::skip([&] {
        for (double hour : numeric::StepRange(fromHour, toHour, oldHourStep(ctx)))
            layLine(ctx, {-kInnerSolsticeDeg, kInnerSolsticeDeg, declStep}, drawn,
                    vsph::curveOf([&](double decl) {
                        m.SunDecl = decl;
                        return hourPoint(m, family, hour, decl);
                    }));
    });
}

void labelFamily(shell::Context& ctx, Family family, std::span<const int> hours,
                 numeric::Colour colour) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.setForeColor(colour);
    for (const int hour : hours) {
        m.SunDecl = kInnerSolsticeDeg;
        const auto p = hourPoint(m, family, hour, m.SunDecl);
        if (p && p->drawn())
            plotLabel(plot, std::string(" ").append(std::to_string(hour)).append(" "), {p->x, p->y});
    }
    plot.setForeColor(numeric::rgb(255, 255, 255));
}

constexpr int kItalianNumbers[] = {12, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
constexpr int kBabylonianNumbers[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

}  // namespace

// Every hour of the Italian and Babylonian days: beyond the polar circles the long summer days
// light the first hours after sunset and the last before sunrise too. Hours whose sun is never
// up draw nothing.
void PlotItalianHoursVertSph(shell::Context& ctx) {
    plotFamily(ctx, Family::Italian, 0, 24, palette::kLightRed);
}

void LabelItalianHoursVertSph(shell::Context& ctx) {
    labelFamily(ctx, Family::Italian, kItalianNumbers, numeric::rgb(255, 0, 0));
}

void PlotBabylonianHoursVertSph(shell::Context& ctx) {
    plotFamily(ctx, Family::Babylonian, 0, 24, palette::kLightMagenta);
}

void LabelBabylonianHoursVertSph(shell::Context& ctx) {
    labelFamily(ctx, Family::Babylonian, kBabylonianNumbers, numeric::qbColor(13));
}

void PlotTemporaryHoursVertSph(shell::Context& ctx) {
    plotFamily(ctx, Family::Temporary, 0, 12, palette::kBrown);
}

void LabelTemporaryHoursVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.setForeColor(numeric::qbColor(6));
    for (int k = 1; k <= 11; ++k) {
        m.SunDecl = kInnerSolsticeDeg;
        const auto p = hourPoint(m, Family::Temporary, k, m.SunDecl);
        if (p && p->drawn()) plotLabel(plot, std::to_string(k), {p->x, p->y});
    }
}

}  // namespace dials::spherical
