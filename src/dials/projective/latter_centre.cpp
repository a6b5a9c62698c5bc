// The centre of the latter projective dial: the crossing of two hour lines of the auxiliary
// plane (45 and 30 degrees) carried onto the dial, or, on a plane facing due east or west, where
// the auxiliary plane's hour lines are parallel, the point where the polar axis through the tip
// meets the dial; none on a plane holding the polar axis, whose centre lies at infinity.

#include <cmath>

#include "dials/projective/latter_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using numeric::checkedDiv;

// An hour line of V as Y = slope X + intercept in V coordinates.
struct VLine {
    double slope, intercept;
};

VLine hourLineOfV(const shell::Module1& m, const latter::AuxFrame& f, double hourDeg) {
    const double tau = m.SubstyleHour + m.Pi * hourDeg / 180;
    const double P = checkedDiv(f.H, std::cos(f.B)) * std::tan(tau);
    const double tanQ = std::sin(f.B) * std::tan(tau);
    const double den = tanQ * std::cos(f.A) + std::sin(f.A);
    return {checkedDiv(tanQ * std::sin(f.A) - std::cos(f.A), den),
            checkedDiv(P - f.W0 * tanQ, den)};
}

latter::DialPoint centreOf(const shell::Module1& m) {
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    if (std::fabs(m.DeclDecimal) == 90) {
        const double tanR = std::tan(m.ReclRad);
        return {numeric::sgn(m.DeclDecimal) *
                    checkedDiv(f.H, numeric::checkedMul(tanR, std::tan(m.LatRad))),
                -checkedDiv(m.StyleLength, tanR)};
    }
    const VLine l1 = hourLineOfV(m, f, 45);
    const VLine l2 = hourLineOfV(m, f, 30);
    const double X0 = checkedDiv(l1.intercept - l2.intercept, l2.slope - l1.slope);
    const double Y0 =
        checkedDiv(l2.slope * l1.intercept - l1.slope * l2.intercept, l2.slope - l1.slope);
    return f.project(X0, Y0);
}

}  // namespace

bool ComputeCentreProjLatter(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (latter::centreAtInfinity(m)) return false;
    const auto centre = latter::solvePoint([&] { return centreOf(m); });
    if (!centre) return false;
    m.CentreX = centre->x;
    m.CentreY = centre->y;
    latter::plotDialPoint(ctx.ixPlot1(), *centre, shell::LineColor(ctx, 14));
    return true;
}

}  // namespace dials::projective
