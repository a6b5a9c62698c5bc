// Italian and Babylonian hours of the parametric cylinder. On each tangent plane the line of one
// of these hours runs through the point where the hour line of its hour angle (-90 to 90 by 15
// degrees, positive to the east, local apparent time) crosses the equinoctial line, tangent to
// the conic of the suns that graze the horizon (the cone of declination 90 degrees less the
// latitude); of the two tangents one is the Italian line, the other the Babylonian. The Italian
// procedure also draws that conic, the curve its lines touch.

#include <cmath>
#include <optional>

#include "dials/cylindrical/param_procedures.h"
#include "dials/dial_point.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using param::AngleForm;
using param::Generatrix;

namespace {

// The horizon's conic on the tangent plane, into the shared cells.
param::GeneratrixConic horizonConic(shell::Module1& m, const Generatrix& gen) {
    m.PlaneCoefX = 0;
    m.PlaneCoefY = gen.g * std::tan(gen.e);
    const param::GeneratrixConic c =
        param::conicOnGeneratrix(gen, m.PlaneCoefY, sq(std::tan(m.LatRad)));
    m.ConicTerm = c.K;
    m.ItalBabCoefA = c.Q;
    m.ItalBabCoefB = c.S;
    m.ItalBabCoefC = c.P;
    return c;
}

// The thirteen lines; rootSign +1 takes the Italian tangent, -1 the Babylonian.
void drawHourLines(shell::Context& ctx, double rootSign, int colourIndex) {
    shell::Module1& m = ctx.m;
    const double D = m.DeclDecimal * m.Pi / 180;
    const double phi = m.LatRad;
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    numeric::countedLoop(m.ConicB2345, -90, 90, 15, [&](double H) {
        param::sweepGeneratrices(ctx, D, AngleForm::Conics, [&](const Generatrix& gen) {
            const double A = gen.A, e = gen.e, w = gen.w;
            m.SubstyleHour = -std::atan(checkedDiv(std::tan(A), std::cos(phi) * std::cos(gen.t)));
            const param::GeneratrixConic c = horizonConic(m, gen);
            const double p = m.PlaneCoefY;
            // Where the hour line of H crosses the equinoctial line, from the substyle.
            const double tau = m.SubstyleHour + H * m.Pi / 180;
            m.PointY = checkedDiv(gen.g, std::cos(e)) * std::tan(tau);
            const double mq = m.PointY;
            // Where the equinox sun of that hour stands behind the tangent plane, the point is
            // the shadow of the opposite hour and the two tangents trade places.
            const double sign = std::cos(tau) * e < 0 ? -rootSign : rootSign;
            const double S = c.S, Q = c.Q, P = c.P;
            const double root = numeric::checkedSqrt(sq(S) * sq(Q) * sq(mq) + S * P * sq(Q) -
                                                     4 * S * sq(P) - 4 * sq(S) * P * sq(mq));
            // The tangent from (X = 0, Z = mq) to the conic, as the line X = kappa (Z - mq).
            const double kappa = checkedDiv(-2 * S * Q * mq + sign * 2 * root,
                                            sq(Q) - 4 * P - 4 * S * sq(mq));
            const double y = checkedDiv((kappa * std::cos(A) + std::sin(A)) * w - p - kappa * mq,
                                        std::cos(A) - kappa * std::sin(A));
            param::plotOnGeneratrix(ctx, gen, y, colour);
        });
    });
}

}  // namespace

void DrawCylItalianHoursParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.DeclDecimal * m.Pi / 180;
    const numeric::Colour colour = shell::LineColor(ctx, 12);
    // The envelope: the horizon's conic, the path of the sun of declination 90 degrees less the
    // latitude, where it stays within 100 m of the tip's level; its heights in the form that
    // stays exact at latitude 45, where the vertical lies on that cone.
    const double grazing = m.Pi / 2 - m.LatRad;
    param::sweepGeneratrices(ctx, D, AngleForm::Conics, [&](const Generatrix& gen) {
        numeric::skip([&] { m.ItalBabTemp = horizonConic(m, gen).a2; });
        const numeric::QuadraticRoots heights =
            CylinderShadow::from(m).coneCrossings(param::towardsTip(m, gen), grazing);
        for (const std::optional<double>& y : {heights.minus, heights.plus})
            if (y && std::fabs(*y) < 100) param::plotOnGeneratrix(ctx, gen, *y, colour);
    });
    drawHourLines(ctx, 1, 12);
}

void DrawCylBabylonianHoursParam(shell::Context& ctx) { drawHourLines(ctx, -1, 13); }

}  // namespace dials::cylindrical
