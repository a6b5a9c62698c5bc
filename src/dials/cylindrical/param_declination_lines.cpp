// Declination lines of the parametric cylinder: on each generatrix, the two heights where the
// cone of sun rays of declination +-delta through the style tip meets it (the summer and the
// winter line of one pair), in the form that stays exact at the latitude delta.

#include <cmath>
#include <optional>

#include "dials/cylindrical/param_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using param::Generatrix;

namespace {

struct DeclinationPass {
    double declinationDeg;
    int colourIndex;
};

// The constants are as the dial has always drawn them: 20.01 and 11.501 degrees.
constexpr DeclinationPass kPasses[] = {{kSolsticeDeg, 12}, {20.01, 13}, {11.501, 11}};

}  // namespace

void DrawCylDeclinationLinesParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.DeclDecimal * m.Pi / 180;
    for (const DeclinationPass& pass : kPasses) {
        const numeric::Colour colour = shell::LineColor(ctx, pass.colourIndex);
        const double delta = pass.declinationDeg * m.Pi / 180;
        // Each root a curve of its own; both end where they meet, and where the sun rises and sets.
        const CylinderShadow shadow = CylinderShadow::from(m);
        std::vector<double> turns = shadow.coneTouchingTurns(delta, m.Pi);
        const std::vector<double> risings =
            shadow.shadowTurns(risingAndSettingSuns(m.LatRad, delta), m.Pi);
        turns.insert(turns.end(), risings.begin(), risings.end());
        for (const bool minus : {true, false})
            param::layGeneratrixCurve(
                ctx, D,
                [&](const Generatrix& gen) {
                    const numeric::QuadraticRoots heights =
                        CylinderShadow::from(m).coneCrossings(param::towardsTip(m, gen), delta);
                    return minus ? heights.minus : heights.plus;
                },
                everySunKept, colour, turns);
    }
}

}  // namespace dials::cylindrical
