// The substyle (the line of the dial through the foot of the style, in the plane of the
// perpendicular style and the polar axis), the style's elevation over the plane, the hour angle
// of the substyle and the length of the polar style. Each statement that fails is skipped and
// the rest goes on; nothing is drawn.

#include <cmath>

#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/tolerance.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

// The slope -u/v of the substyle through the origin and its second point, at the world
// coordinate 0.1 by the variable's own formula (`at`), then the elevation, the substyle hour and
// the hypotenuse.
void computeSubstyle(shell::Context& ctx, DialPoint (PlaneGeometry::*at)(double) const) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const std::optional<DialPoint> second = solvePoint([&] { return (g.*at)(0.1); });
    if (second) {
        numeric::assignOrSkip(m.SubstyleSlope, [&] { return -checkedDiv(second->x, second->y); });
    } else if (g.D == 0) {
        // A plane facing due south or north: the substyle is the vertical u = 0, which no point
        // of a stepped world coordinate can reach.
        m.SubstyleSlope = 0;
    }
    m.SubstyleAngle = std::atan(m.SubstyleSlope);

    storeStyleElevation(m, g);
    if (m.StyleElevRad != 0) {
        numeric::assignOrSkip(m.SubstyleHour, [&] {
            return -shell::ArcSin(
                m, numeric::clampRoundedSine(checkedDiv(std::sin(g.D) * std::cos(g.R), std::cos(m.StyleElevRad))));
        });
        m.StyleLength = m.StyleLength3D;
        numeric::assignOrSkip(m.StyleHypotenuse,
                              [&] { return checkedDiv(m.StyleLength, std::sin(m.StyleElevRad)); });
    }
}

}  // namespace

void ComputeSubstyleX(shell::Context& ctx) { computeSubstyle(ctx, &PlaneGeometry::substyleAtX); }

void ComputeSubstyleY(shell::Context& ctx) { computeSubstyle(ctx, &PlaneGeometry::substyleAtY); }

void NormalizeSubstyleAngle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.StyleElevRad < 0)
        m.SubstyleAngle = numeric::turnedPastVertical(m.SubstyleAngle, m.WallDeclRad, m.Pi);
}

}  // namespace dials::flat3d
