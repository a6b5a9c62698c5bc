// The noon generatrix: the vertical line of the unrolled cylinder on which the shadow of the
// style tip falls at true noon, where the meridian plane through the tip cuts the surface.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// Whether the tip's shadow can reach the generatrix turned by `angle` from the foot's: the
// surface there must face the tip. Always so on a concave dial; on a convex one only within the
// tangents from the tip, where (R + L) cos(angle) > R.
bool generatrixReached(double R, double s, double L, double angle) {
    return s * ((R + s * L) * std::cos(angle) - R) > 0;
}

}  // namespace

void DrawCylNoonLine(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.WallDeclRad, R = m.Radius, s = m.SideSign, L = m.StyleLength;

    // The tip's distance from the meridian plane through the axis.
    const double a = std::sin(D) * (R + s * L);
    if (!(R * R - a * a > 0)) return;
    numeric::skip([&] {
        const double c = std::sqrt(R * R - a * a);
        const double b = std::atan(a / c);
        const double offset = -s * (c - std::cos(D) * (R + s * L));
        const double angle = std::fabs(D) < m.Pi / 2
                                 ? shell::ArcSin(m, numeric::checkedDiv(-offset * std::sin(D), R))
                                 : b - D;
        m.TipOffset = offset;
        m.NoonLineAngle = angle;
        m.CentreX = numeric::checkFinite(R * angle);
        // A generatrix the shadow cannot reach (the far side of a convex dial) is no noon line.
        if (!generatrixReached(R, s, L, angle)) return;
        plot::PlotSurface& plot = ctx.ixPlot1();
        plot.xLine(m.CentreX, plot.ShiftY(), m.CentreX, -plot.ShiftY(), shell::LineColor(ctx, 4));
    });
}

}  // namespace dials::cylindrical
