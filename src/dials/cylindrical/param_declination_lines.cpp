// Declination lines of the parametric cylinder: on each generatrix, the two heights where the
// cone of sun rays of declination +-delta through the style tip meets it (the summer and the
// winter line of one pair).

#include <cmath>

#include "dials/cylindrical/param_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using param::AngleForm;
using param::Generatrix;

namespace {

struct DeclinationPass {
    double declinationDeg;
    int colourIndex;
};

// The constants are as the dial has always drawn them: 20.01 and 11.501 degrees.
constexpr DeclinationPass kPasses[] = {{23.45, 12}, {20.01, 13}, {11.501, 11}};

}  // namespace

void DrawCylDeclinationLinesParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.DeclDecimal * m.Pi / 180;
    for (const DeclinationPass& pass : kPasses) {
        const numeric::Colour colour = shell::LineColor(ctx, pass.colourIndex);
        param::sweepGeneratrices(ctx, D, AngleForm::Conics, [&](const Generatrix& gen) {
            m.CentreHeight = gen.g;
            m.PlaneCoefX = 0;
            m.PlaneCoefY = gen.g * std::tan(gen.e);
            const double k = std::tan(pass.declinationDeg * m.Pi / 180);
            m.ConeCoef2345 = checkedDiv(1, k * k);
            const param::GeneratrixConic c =
                param::conicOnGeneratrix(gen, m.PlaneCoefY, m.ConeCoef2345);
            m.ConicTerm = c.K;
            m.ConicB2345 = c.P;
            m.ConicA2345 = c.Q;
            m.ConicC2345 = c.S;
            const double disc = c.discriminant();
            if (disc < 0) return;
            const double y1 = checkedDiv(-c.a1 - std::sqrt(disc), 2 * c.a2);
            const double y2 = checkedDiv(-c.a1 + std::sqrt(disc), 2 * c.a2);
            param::plotOnGeneratrix(ctx, gen, y1, colour);
            param::plotOnGeneratrix(ctx, gen, y2, colour);
        });
    }
}

}  // namespace dials::cylindrical
