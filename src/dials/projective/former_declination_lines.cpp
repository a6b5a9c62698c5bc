// Declination lines of the former projective dial: on the reference plane, with y measured up
// from its equinoctial line, the cone of sun rays of declination +-d through the tip cuts the
// conic y^2 + alpha y + beta + gamma x^2 = 0; both roots are drawn as functions of x, each pair
// in one colour. Every point of the conic is the shadow of the tip for the sun of +d or -d; a
// point is kept only where that sun is above the horizon. The conic is solved scaled by T, so
// that it stays exact where the latitude equals the declination (a parabola) and near it. Each
// root is laid by the shared curve sampler.

#include <optional>

#include "dials/projective/former_procedures.h"
#include "dials/projective/projective_conic.h"
#include "numeric/failure.h"
#include "shell/helpers.h"

namespace dials::projective {

void DrawDeclinationLinesProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const struct {
        double degrees;
        palette::Index colourIndex;
    } lines[] = {
        {kSolsticeDeg, palette::kLightRed},
        {20.011, palette::kLightMagenta},
        {11.5, palette::kLightCyan},
    };

    // Each root is a curve of its own, laid by the shared sampler: it ends where the pair stops
    // reaching an abscissa, and runs steeply against x near there and where the projection
    // stretches it.
    for (const auto& line : lines) {
        const ScaledConic c = former::declinationConic(m, line.degrees);
        const numeric::Colour colour = shell::LineColor(ctx, line.colourIndex);
        for (const bool plus : {false, true}) {
            // Nothing where this pair does not reach x; its turn within a step of the sweep
            // past its end.
            former::layReferenceCurve(
                ctx,
                [&](double x) -> std::optional<former::ReferencePoint> {
                    const auto y = conicRootToTheTurn(c, x, 0.005, plus);
                    if (!y) return std::nullopt;
                    return former::ReferencePoint{y->at, y->root, 1, true};
                },
                [&](double s) -> std::optional<former::ReferencePoint> {
                    // The abscissa 1 / s: (1, Y) = s (x, y).
                    const auto Y = conicRootAtReciprocal(c, s, 0.005, plus);
                    if (!Y) return std::nullopt;
                    return former::ReferencePoint{1, Y->root, Y->at, true};
                },
                colour, true, conicTurns(c));
        }
    }
}

}  // namespace dials::projective
