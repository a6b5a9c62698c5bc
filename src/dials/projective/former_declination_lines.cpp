// Declination lines of the former projective dial: on the reference plane, with y measured up
// from its equinoctial line, the cone of sun rays of declination +-d through the tip cuts the
// conic y^2 + alpha y + beta + gamma x^2 = 0; for each x both roots are drawn, each pair in one
// colour. Every point of the conic is the shadow of the tip for the sun of +d or -d; a point is
// kept only where that sun is above the horizon. The conic is solved scaled by T, so that it
// stays exact where the latitude equals the declination (a parabola) and near it.

#include "dials/projective/former_procedures.h"
#include "dials/projective/projective_conic.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

void DrawDeclinationLinesProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const former::ConeCoefficients k = former::coneCoefficients(m);
    const struct {
        former::ScaledConic conic;
        int colourIndex;
    } lines[] = {
        {former::declinationConic(m, k.k2345), 12},  // solstices, +-23.45
        {former::declinationConic(m, k.k20), 13},    // +-20.011
        {former::declinationConic(m, k.k115), 11},   // +-11.5
    };
    numeric::Colour colours[3];
    for (int i = 0; i < 3; ++i) colours[i] = shell::LineColor(ctx, lines[i].colourIndex);

    for (double x : numeric::StepRange(-m.XLoopHalf, m.XLoopHalf, 0.005)) {
        for (int i = 0; i < 3; ++i) {
            const former::ScaledConic& c = lines[i].conic;
            const auto y = conicRoots(c.T, c.b, c.c + x * x, c.discriminant(x));
            if (!y) continue;  // this pair does not reach this x
            for (const auto& root : {y->minus, y->plus})
                if (root) former::plotSunlitReferencePoint(ctx, x, *root - m.SetupTemp3, colours[i]);
        }
    }
}

}  // namespace dials::projective
