// Italian hours (counted from sunset) and Babylonian hours (from sunrise) of the latter
// projective dial. On the auxiliary plane every such line is straight: it runs through the point
// where an hour line meets the equinoctial line and touches the conic of the sun's day circle
// that grazes the horizon (declination 90 - latitude). Of the two tangents from that point the
// Italian hour takes one, the Babylonian the other. Thirteen lines each, 15 degrees apart.

#include <cmath>
#include <optional>

#include "dials/projective/latter_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using latter::sq;
using numeric::checkedDiv;

// A line of the substyle frame through the equinoctial point of hour angle tau (from V's
// substyle): w = r (P sin tau - u cos tau), P = H / cos B. Written so, the point may lie at any
// distance, at infinity too (tau = +-90 degrees), where the tangents are parallel to the
// equinoctial line.
struct ItalianLine {
    double r, Psin, cos;
    double w(double u) const { return r * (Psin - u * cos); }
};

// The tangent from the equinoctial point of hour angle tau to the grazing conic, given by its
// coefficients times T: T w^2 + a w + b u^2 + c = 0. The tangency condition is the quadratic
// q r^2 + p r + b c = 0; sigma picks its root: on a plane facing south of east or west -1 gives
// the Italian tangent and +1 the Babylonian, on both sides of the substyle's hour. Throws for
// the tangent at infinity (a parabola seen from a point at infinity).
ItalianLine tangentFrom(double tau, double P, double T, double a, double b, double c,
                        double sigma) {
    const double s = std::sin(tau), k = std::cos(tau);
    const double q = (T * c - a * a / 4) * k * k + T * b * P * P * s * s;
    const double p = a * b * P * s;
    const double root = numeric::checkedSqrt(p * p - 4 * q * b * c);
    // Of the two equal forms of the root, the one that adds terms of the same sign.
    const double r = (-p) * sigma > 0 ? checkedDiv(-p + sigma * root, 2 * q)
                                      : checkedDiv(2 * b * c, -p - sigma * root);
    return {r, P * s, k};
}

// sigma: the tangent, -1 Italian, +1 Babylonian.
void drawFamily(shell::Context& ctx, double sigma, int colourIndex) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);

    // The grazing day circle: w^2 + a w + b u^2 + c = 0 with each coefficient over T. The
    // tangents are found from the coefficients times T, which exist also where T vanishes (where
    // the circle projects as a parabola).
    const double k = sq(std::tan(m.LatRad));
    const double T = sq(std::sin(f.B)) - k * sq(std::cos(f.B));
    const double a = -2 * f.H * std::tan(f.B);
    const double b = 1;
    const double c = sq(checkedDiv(f.H, std::cos(f.B)));
    numeric::assignOrSkip(m.ItalBabCoefA, [&] { return checkedDiv(a, T); });
    numeric::assignOrSkip(m.ItalBabCoefB, [&] { return checkedDiv(b, T); });
    numeric::assignOrSkip(m.ItalBabCoefC, [&] { return checkedDiv(c, T); });
    const double P = checkedDiv(f.H, std::cos(f.B));
    // On a plane facing north of east or west (B < 0) the sun of the substyle's hour stands
    // behind V, and the two tangents change places.
    const double facing = f.B < 0 ? -1 : 1;

    const numeric::StepRange sweep(-m.XLoopHalf, m.XLoopHalf, 0.005);
    // The hour counter is kept where the programme keeps it.
    numeric::countedLoop(m.ConicB2345, -90, 90, 15, [&](double n) {
        std::optional<ItalianLine> line;
        numeric::skip([&] {
            line = tangentFrom(m.SubstyleHour + n * m.Pi / 180, P, T, a, b, c, facing * sigma);
        });
        if (!line) return;
        for (double u : sweep)
            latter::plotSolvedPoint(plot, colour, [&] { return f.fromUW(u, line->w(u)); });
    });
}

}  // namespace

void DrawItalianHoursProjLatter(shell::Context& ctx) { drawFamily(ctx, -1, 12); }

void DrawBabylonianHoursProjLatter(shell::Context& ctx) { drawFamily(ctx, 1, 13); }

}  // namespace dials::projective
