// Temporary (unequal) hours on the vertical dial by spherical trigonometry: each day from
// sunrise to sunset is divided into twelve equal parts, so temporary hour k (0 sunrise, 6 noon,
// 12 sunset) falls at the hour angle (k / 6 - 1) H0, H0 the day's semi-diurnal arc. A line is a
// run of shadow points of one k, one for each declination between the solstices, laid whole by
// the shared curve sampler (layLine). The numbers stand where the lines meet the summer
// tropic line, where that lies in the plot area.

#include <optional>
#include <string>

#include "dials/geometry_names.h"
#include "dials/plot_mark.h"
#include "dials/spherical/vertical_procedures.h"
#include "geometry/sky.h"
#include "numeric/skip.h"
#include "numeric/palette.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

// The shadow of temporary hour k on the day of declination deltaDeg; none on a day without
// sunrise and sunset, when the sun is behind the wall or when the computation fails.
std::optional<vsph::WallPoint> temporaryHourPoint(shell::Module1& m, double k, double deltaDeg) {
    std::optional<vsph::WallPoint> point;
    numeric::skip([&] {
        const double dr = deltaDeg * m.Pi / 180;
        const double H0 = semiDiurnalArc(m.LatRad, dr, m.Pi);
        if (!risesAndSets(H0, m.Pi)) return;
        const double t = (k / 6 - 1) * H0;
        const vsph::WallPoint p = vsph::onWall(m, vsph::sunPlace(m, t, dr));
        if (p.inFront) point = p;
    });
    return point;
}

}  // namespace

void PlotTemporaryHoursVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kBrown);
    double n = ctx.inputs.number("TxtHour");
    if (n == 0) n = 1;
    double hourStep = 0;
    if (!numeric::assignOrSkip(hourStep, [&] { return 1 / n; })) return;
    const double declStep = 10 * m.PointStep;
    double k = 0;
    vsph::sweep(k, 0, 12, hourStep, [&](double hour) {
        layLine(ctx, {-kInnerSolsticeDeg, kInnerSolsticeDeg, declStep}, colour,
                vsph::curveOf([&](double decl) {
                    m.SunDecl = decl;
                    return temporaryHourPoint(m, hour, decl);
                }));
    });
}

void LabelTemporaryHoursVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.setForeColor(numeric::qbColor(6));
    for (int k = 1; k <= 11; ++k) {
        m.SunDecl = kInnerSolsticeDeg;
        const auto p = temporaryHourPoint(m, k, m.SunDecl);
        if (p && p->drawn()) plotLabel(plot, std::to_string(k), {p->x, p->y});
    }
}

}  // namespace dials::spherical
