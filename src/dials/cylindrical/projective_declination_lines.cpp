// The declination lines of the projective cylinder: on the tangent plane, the conic that the
// cone of sun rays of declination +-delta (apex at the style tip, axis parallel to the earth's)
// cuts; both of its branches, carried onto the cylinder point by point.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/dial_point.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;

namespace {

struct DeclinationPass {
    double declinationDeg;
    int colourIndex;
};

// The constants are as the dial has always drawn them, a hair off 20 and 11.5 degrees.
constexpr DeclinationPass kPasses[] = {{23.45, 12}, {20.001, 13}, {11.5001, 11}};

// The coefficients of the conic of one declination, into the shared cells; false when the conic
// has no such form (the style elevation equal to 90 degrees minus the declination).
bool storeConic(shell::Module1& m, double declinationDeg) {
    try {
        const double L = m.StyleLength;
        const double b = m.SetupAngleB;
        m.ConeCoef2345 = checkedDiv(1, sq(std::tan(declinationDeg * m.Pi / 180)));
        m.ConicTerm = sq(std::sin(b)) - m.ConeCoef2345 * sq(std::cos(b));
        m.ConicB2345 = checkedDiv(sq(checkedDiv(L, std::cos(b))), m.ConicTerm);
        m.ConicA2345 = checkedDiv(-2 * L * std::tan(b), m.ConicTerm);
        return true;
    } catch (const numeric::NumericFailure&) {
        return false;
    }
}

}  // namespace

void DrawCylProjDeclinationLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double R = m.CylParam;
    const double a = m.SetupAngleA;
    const double P = m.PlaneCoefY;
    const double ca = std::cos(a), sa = std::sin(a);

    for (const DeclinationPass& pass : kPasses) {
        if (!storeConic(m, pass.declinationDeg)) continue;
        const double k = checkedDiv(1, m.ConicTerm);
        const double alpha = m.ConicA2345;
        const double beta = m.ConicB2345;
        const numeric::Colour colour = shell::LineColor(ctx, pass.colourIndex);

        for (double t : numeric::StepRange(-5 * R, 5 * R, m.PointStep)) {
            try {
                // The conic's two ordinates at abscissa t.
                const double qa = sq(ca) + k * sq(sa);
                const double qb = 2 * P * ca - 2 * t * ca * sa + 2 * k * sa * t * ca + alpha * ca;
                const double qc = P * P + t * t * sq(sa) - 2 * P * t * sa + k * sq(t * ca) -
                                  alpha * t * sa + beta + alpha * P;
                const double disc = qb * qb - 4 * qa * qc;
                if (disc < 0) continue;
                const double root = std::sqrt(disc);
                const double y1 = checkedDiv(-qb - root, 2 * qa);
                const double y2 = checkedDiv(-qb + root, 2 * qa);

                const std::optional<TangentPlaneRay> ray = projectTangentAbscissa(m, t);
                if (!ray) continue;
                const CylProjPoint p1{ray->x, heightOnCylinder(*ray, t, y1)};
                const CylProjPoint p2{ray->x, heightOnCylinder(*ray, t, y2)};
                plotCylProjPoint(ctx, p1, colour);
                plotCylProjPoint(ctx, p2, colour);
            } catch (const numeric::NumericFailure&) {
                // Neither point of this abscissa can be computed.
            }
        }
    }
}

}  // namespace dials::cylindrical
