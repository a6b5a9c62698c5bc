// The plan of the circular section below the unrolled dial, seen from above with north up: the
// section circle, the foot and the tip of the perpendicular style, the generic gnomon from the
// tip along the meridian to the surface (on the cut the triangle of the style stands on), the
// meridian radius, a filled sector spanning the wall's declination, "North" and "d", and a table
// of the style triangle's lengths.
//
// Section coordinates: metres, origin on the axis, X east, Y north. A section point (X, Y) is
// sent as (X - Xf, c - Y), Xf the foot's X and c = 1.1 + R: the foot lies below the dial's
// origin and the circle's northmost point 1.1 m below it.

#include <cmath>
#include <optional>
#include <utility>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/geometry_names.h"
#include "dials/plot_mark.h"
#include "dials/plot_segment.h"
#include "numeric/format.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// Start and end of the filled sector between the meridian radius and the radius to the foot
// (negative angles close it with both radii); none for a wall that faces due south.
std::optional<std::pair<double, double>> sectorAngles(double D, bool convex, double pi) {
    if (D < 0 && !convex) return std::pair{-pi / 2, -(pi / 2 - D)};
    if (D > 0 && convex) return std::pair{-(3 * pi / 2 - D), -3 * pi / 2};
    if (D < 0 && convex && D >= -pi / 2) return std::pair{-3 * pi / 2, -(3 * pi / 2 - D)};
    if (D < -pi / 2 && convex) return std::pair{-3 * pi / 2, D + pi / 2};
    if (D > 0 && !convex && D < pi / 2) return std::pair{-(pi / 2 - D), -pi / 2};
    if (D >= pi / 2 && !convex) return std::pair{-(5 * pi / 2 - D), -pi / 2};
    return std::nullopt;
}

}  // namespace

void DrawCylSectionAndTriangle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double R = m.Radius, L = m.StyleLength, D = m.WallDeclRad, s = m.SideSign;
    const bool convex = s >= 1;
    auto LC = [&](palette::Index index) { return shell::LineColor(ctx, index); };

    const double c = 1.1 + R;
    const double Xf = -s * R * std::sin(D);
    const double Yf = -s * R * std::cos(D);
    // The tip, at signed distance R + s L from the axis on the radius through the foot.
    const double Xt = convex ? -(R + L) * std::sin(D) : (R - L) * std::sin(D);
    const double Yt = convex ? -(R + L) * std::cos(D) : (R - L) * std::cos(D);
    // The generic gnomon's end: the circle's point on the meridian through the tip that the
    // triangle of the style stands on.
    const std::optional<MeridianCut> cut = styleTriangleCut(m);
    const bool gnomonMeetsCircle = cut.has_value();
    const double Yc = gnomonMeetsCircle ? Yt + cut->offset : 0;
    // A radius so large that the plan's coordinates overflow has no plan to draw.
    for (double v : {c, Xf, Yf, Xt, Yt, Yc, 1.1 + 2 * R, c - Yf, c - Yt, c - Yc, Xt - Xf})
        if (!std::isfinite(v)) return;

    xLineNearTheFoot(plot, -Xf, c, 0, c - Yf, LC(palette::kDarkGrey));

    if (gnomonMeetsCircle) {
        const TextBlock triangle(plot, {0.9, 0.608});
        triangle.line("T R I A N G L E ");
        plot.setForeColor(numeric::qbColor(9));
        triangle.line("Style: hypotenuse " +
                      numeric::toText(numeric::truncateDown(std::fabs(m.StyleHypotenuse), 5)));
        plot.setForeColor(numeric::qbColor(11));
        triangle.line("Generic gnomon: cathetus " +
                      numeric::toText(std::fabs(numeric::truncateDown(m.TipOffset, 5))));
    }
    const TextBlock style(plot, {0.9, 0.508});
    style.line("");
    plot.setForeColor(numeric::qbColor(13));
    style.line("Perpendicular style " + numeric::toText(L));
    plot.setForeColor(numeric::qbColor(15));

    // The plan's centre, and its northmost point, which "North" labels; "d" labels the sector
    // at the centre.
    const DialPoint centre{-Xf, -c}, north{-Xf, -1.1};
    if (const auto sector = sectorAngles(D, convex, m.Pi))
        plotCircle(plot, centre, 99.0 / 100 * R, LC(palette::kLightGrey), LC(palette::kBrown),
                   sector->first, sector->second);

    plotLabel(plot, "North", north, {-Xf - 0.03, -1});
    if (convex) {
        xLineNearTheFoot(plot, -Xf, c, -Xf, 1.1 + 2 * R, LC(palette::kBrown));
        plotLabel(plot, "d", centre, {-Xf - 0.03 * numeric::sgn(D), -(1.15 + R)});
    } else {
        xLineNearTheFoot(plot, -Xf, c, -Xf, 1.1, LC(palette::kBrown));
        plotLabel(plot, "d", centre, {-Xf + 0.03 * numeric::sgn(D), -(1 + R)});
    }

    plotCircle(plot, centre, R, LC(palette::kDarkGrey));
    if (markInTheArea(plot, 0, c - Yf))
        plot.xCircle(0, c - Yf, 0.01, LC(palette::kLightGrey), LC(palette::kLightGrey));
    plot.xPset(0, c - Yf, LC(palette::kLightRed));
    if (gnomonMeetsCircle)
        xLineNearTheFoot(plot, Xt - Xf, c - Yt, Xt - Xf, c - Yc, LC(palette::kLightCyan));
    xLineNearTheFoot(plot, 0, c - Yf, Xt - Xf, c - Yt, LC(palette::kLightMagenta));
}

}  // namespace dials::cylindrical
