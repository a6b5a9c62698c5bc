// The centre of the latter projective dial: the crossing of two hour lines of the auxiliary
// plane (45 and 30 degrees) carried onto the dial, or, on a plane facing due east or west, where
// the auxiliary plane's hour lines are parallel, the point where the polar axis through the tip
// meets the dial; none on a plane holding the polar axis, whose centre lies at infinity.

#include <cmath>
#include <optional>

#include "dials/projective/latter_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using numeric::checkedDiv;

latter::DialPoint centreOf(const shell::Module1& m) {
    if (std::fabs(m.DeclDecimal) == 90) {
        const std::optional<latter::DialPoint> centre =
            latter::dialFace(m).centre(m.StyleLength, m.LatRad);
        if (!centre) numeric::fail(numeric::FailureKind::DivisionByZero);
        return *centre;
    }
    // The hour lines of 45 and 30 degrees, counted from the meridian.
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const auto l1 = f.inV(f.hourLine(m.SubstyleHour + m.Pi * 45 / 180));
    const auto l2 = f.inV(f.hourLine(m.SubstyleHour + m.Pi * 30 / 180));
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
