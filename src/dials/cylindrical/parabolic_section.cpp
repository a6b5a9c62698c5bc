// The plan of the parabolic section, drawn below the unrolled dial with north up: the parabola,
// the half of its circle of curvature through the vertex, the foot and the tip of the style, the
// perpendicular style, the generic gnomon from the tip along the axis to the surface, an arc at
// the tip spanning the wall's declination from north-south, and the lengths of the triangle of
// the style.
//
// Section coordinates: metres from the vertex, X east, Y north; the section is Y = s X^2 / (2R).
// A section point (X, Y) is drawn at (X - Xt + A, R - Y): the vertex R below the dial's origin,
// the tip at A, the developed distance between the generatrices of the foot and of the tip.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "numeric/checked.h"
#include "numeric/format.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawParabolicSectionAndTriangle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    using numeric::checkedDiv;
    const double R = m.Radius, s = m.SideSign, D = m.WallDeclRad, phi = m.LatRad;
    auto LC = [&](palette::Index index) { return shell::LineColor(ctx, index); };

    // Shown as it comes: the face's elevation of the polar style over the wall at the foot,
    // with the sign of the cosine of the declination.
    numeric::skip([&] {
        m.StyleElevDeg = shell::ArcSin(m, Face::declining(D, 0).polarElevationSine(phi)) *
                         numeric::sgn(std::cos(D)) * 180 / m.Pi;
    });
    const double H = ctx.inputs.number("txtStilo");

    // The foot (Xf, Yf) and the tip (Xt, Yt) of the style, the section under the tip (Yp) and
    // the plot abscissa of the tip (A). Without a section (a radius of curvature of 0 or below)
    // there is nothing to draw.
    double Xf = 0, Yf = 0, Xt = 0, Yt = 0, Yp = 0, A = 0;
    const bool planned = numeric::skip([&] {
        Xf = checkedDiv(-R * std::tan(D), s);
        Yf = checkedDiv(s * Xf * Xf, 2 * R);
        Xt = Xf - H * std::sin(D);
        Yp = checkedDiv(s * Xt * Xt, 2 * R);
        Yt = Yp - m.TipOffset;
        A = numeric::checkFinite(parabolaArcLength(Xf, R) - parabolaArcLength(Xt, R));
    });
    if (!planned) return;
    m.PlaneCoefX = Xt;
    m.PlaneCoefY = Yp - R;
    const double dx = A - Xt;  // plot abscissa of the vertex

    const double h = m.PointStep / 2;
    const numeric::Colour parabola = LC(palette::kWhite);
    for (double X : numeric::StepRange(-1, 1.5, h)) {
        plot.xPset(X + dx, R - s * X * X / (2 * R), parabola);
    }
    const numeric::Colour curvature = LC(palette::kDarkGrey);
    for (double X : numeric::StepRange(-R, R, h)) {
        numeric::skip([&] {
            plot.xPset(X + dx, R - s * (R - numeric::checkedSqrt(R * R - X * X)), curvature);
        });
    }

    const double footX = Xf + dx, footY = R - Yf, tipY = R - Yt;
    plot.xPset(footX, footY, LC(palette::kLightRed));
    plot.xPset(A, tipY, LC(palette::kLightMagenta));
    xLineNearTheFoot(plot, A, tipY, footX, footY, LC(palette::kLightMagenta));
    xLineNearTheFoot(plot, A, tipY, A, R - Yp, LC(palette::kLightCyan));

    const TextBlock triangle(plot, {0.9, 0.608});
    triangle.line("");
    triangle.line("T R I A N G L E ");
    plot.setForeColor(numeric::qbColor(9));
    triangle.line("Style: hypotenuse " +
                  numeric::toText(numeric::truncateDown(std::fabs(m.StyleHypotenuse), 5)));
    plot.setForeColor(numeric::qbColor(11));
    triangle.line("Generic gnomon: cathetus " +
                  numeric::toText(numeric::truncateDown(m.TipOffset, 5)));
    plot.setForeColor(numeric::qbColor(15));

    const TextBlock style(plot, {0.9, 0.508});
    style.line("");
    style.line("");
    plot.setForeColor(numeric::qbColor(13));
    style.line("Perpendicular style " + numeric::toText(H));
    plot.setForeColor(numeric::qbColor(15));
    style.line("Elevation of the style : " +
               numeric::toText(numeric::roundHalfEven(m.StyleElevDeg, 5)) + "°");

    // The declination, as an arc of 10 cm round the tip from straight up (north), and its
    // label: marks of the tip.
    const double start = D < 0 ? m.Pi / 2 : m.Pi / 2 - D;
    const double end = D < 0 ? m.Pi / 2 - D : m.Pi / 2;
    if (markInTheArea(plot, A, tipY)) {
        plot.xCircle(A, tipY, 0.1, LC(palette::kLightGrey), LC(palette::kBrown), 1, start, end);
        plot.Dati("d", A + 0.025 * numeric::sgn(D), tipY - 0.08);
    }
    if (markInTheArea(plot, footX, footY)) plot.xCircle(footX, footY, 0.01, LC(palette::kWhite));
    plot.xPset(footX, footY, LC(palette::kLightRed));
}

}  // namespace dials::cylindrical
