// Italian hours (counted from sunset) and Babylonian hours (from sunrise) of the latter
// projective dial. On the auxiliary plane every such line is straight: the plane of the hour's
// great circle through the tip cuts it, through the point where the hour line of n meets the
// equinoctial line, touching the conic of the sun's day circle that grazes the horizon
// (declination 90 - latitude). Thirteen lines each, 15 degrees apart: through the equinoctial
// point of the local hour angle n pass the Italian hour (n + 270) / 15 and the Babylonian hour
// (n + 90) / 15.

#include <cmath>
#include <optional>

#include "dials/projective/latter_procedures.h"
#include "dials/sky.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using latter::sq;
using numeric::checkedDiv;

// A line of the substyle frame, w = w0 + slope u.
struct UWLine {
    double w0, slope;
    double w(double u) const { return w0 + slope * u; }
};

// The hour's great circle, turned by theta (radians, towards the afternoon), cut with V. V's
// axes in the world (east, north, up): X = (cos D, -sin D, 0), Y the zenith, its outward normal
// f = (-sin D, -cos D, 0); the tip stands at H f from V's foot K. A point X, Y of V lies on the
// circle's plane through the tip when X (n . X) + Y n.z = H (n . f). Throws for a line that
// runs along the substyle (no w for a given u).
UWLine hourCircleLine(const shell::Module1& m, const latter::AuxFrame& f, double theta) {
    const Vec3 n = turnedHorizonNormal(m.LatRad, theta);
    const double D = m.WallDeclRad;
    const double alongX = n.x * std::cos(D) - n.y * std::sin(D);
    const double alongF = -n.x * std::sin(D) - n.y * std::cos(D);
    const double rhs = f.H * alongF;
    // In (u, v): X = u cos A - v sin A, Y = u sin A + v cos A.
    const double byU = alongX * std::cos(f.A) + n.z * std::sin(f.A);
    const double byV = n.z * std::cos(f.A) - alongX * std::sin(f.A);
    return {checkedDiv(rhs, byV) + f.W0, -checkedDiv(byU, byV)};
}

// The grazing day circle's conic w^2 + a w + b u^2 + c = 0, each coefficient over T, kept in the
// shared cells; where T = 0 (the circle projects as a parabola) they keep their values.
void storeGrazingConic(shell::Module1& m, const latter::AuxFrame& f) {
    const double k = sq(std::tan(m.LatRad));
    const double T = sq(std::sin(f.B)) - k * sq(std::cos(f.B));
    numeric::assignOrSkip(m.ItalBabCoefA, [&] { return checkedDiv(-2 * f.H * std::tan(f.B), T); });
    numeric::assignOrSkip(m.ItalBabCoefB, [&] { return checkedDiv(1, T); });
    numeric::assignOrSkip(m.ItalBabCoefC,
                          [&] { return checkedDiv(sq(checkedDiv(f.H, std::cos(f.B))), T); });
}

// turn: the circle's turn for the hour angle n (degrees), theta = n + turn.
void drawFamily(shell::Context& ctx, double turn, int colourIndex) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    storeGrazingConic(m, f);

    const numeric::StepRange sweep(-m.XLoopHalf, m.XLoopHalf, 0.005);
    // The hour counter is kept where the programme keeps it.
    numeric::countedLoop(m.ConicB2345, -90, 90, 15, [&](double n) {
        std::optional<UWLine> line;
        numeric::skip([&] { line = hourCircleLine(m, f, (n + turn) * m.Pi / 180); });
        if (!line) return;
        for (double u : sweep)
            latter::plotSolvedPoint(plot, colour, [&] { return f.fromUW(u, line->w(u)); });
    });
}

}  // namespace

// Italian hour (n + 270) / 15 sets 6 - n / 15 hours later: the horizon turned back by 90 - n.
void DrawItalianHoursProjLatter(shell::Context& ctx) { drawFamily(ctx, -90, 12); }

// Babylonian hour (n + 90) / 15 rose 6 + n / 15 hours before: the horizon turned on by 90 + n.
void DrawBabylonianHoursProjLatter(shell::Context& ctx) { drawFamily(ctx, 90, 13); }

}  // namespace dials::projective
