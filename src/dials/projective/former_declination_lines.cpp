// Declination lines of the former projective dial: on the reference plane, with y measured up
// from its equinoctial line, the cone of sun rays of declination +-d through the tip cuts the
// conic y^2 + alpha y + beta + gamma x^2 = 0; for each x both roots are drawn, each pair in one
// colour. Every point of the conic is the shadow of the tip for the sun of +d or -d.

#include <optional>

#include "dials/projective/former_procedures.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

struct ConicLine {
    double alpha, beta, gamma;
    int colourIndex;
};

}  // namespace

void DrawDeclinationLinesProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const ConicLine lines[] = {
        {m.ConicA2345, m.ConicB2345, m.ConicC2345, 12},  // solstices, +-23.45
        {m.ConicA20, m.ConicB20, m.ConicC20, 13},        // +-20.011
        {m.ConicA115, m.ConicB115, m.ConicC115, 11},     // +-11.5
    };
    numeric::Colour colours[3];
    for (int i = 0; i < 3; ++i) colours[i] = shell::LineColor(ctx, lines[i].colourIndex);

    for (double x : numeric::StepRange(-m.XLoopHalf, m.XLoopHalf, 0.005)) {
        for (int i = 0; i < 3; ++i) {
            const ConicLine& c = lines[i];
            std::optional<former::RootPair> y;
            try {
                y = former::quadraticRoots(c.alpha, c.beta + c.gamma * x * x);
            } catch (const numeric::NumericFailure&) {
                continue;
            }
            if (!y) continue;  // this pair does not reach this x
            former::plotReferencePoint(ctx, x, y->first - m.SetupTemp3, colours[i]);
            former::plotReferencePoint(ctx, x, y->second - m.SetupTemp3, colours[i]);
        }
    }
}

}  // namespace dials::projective
