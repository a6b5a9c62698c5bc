// The chord frame of the circular cylinder by 3D analytic geometry: depth, reach of the shadow,
// and the laying of a curve over the chord on the unrolled surface.

#include <cmath>

#include "dials/cylindrical/circular3d_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

double ChordFrame::depth(double x) const {
    return s * R - s * numeric::checkedSqrt(R * R - x * x);
}

bool ChordFrame::shadowReaches(double x) const {
    // The surface's normal at chord x, towards the side of the dial, is proportional to
    // (s x, sqrt(R^2 - x^2)) in (across, towards the tip); the tip lies at (-x, L + z) from the
    // point. The tip's shadow falls there only when the two point the same way.
    const double c = numeric::checkedSqrt(R * R - x * x);
    return -s * x * x + c * (L + depth(x)) > 0;
}

Vec3 ChordFrame::towardsTip(double x, double y) const {
    // Across the tangent plane: (cos D, -sin D, 0); the face's direction: (-sin D, -cos D, 0).
    const double w = L + depth(x);
    return {-x * std::cos(D) - w * std::sin(D), x * std::sin(D) - w * std::cos(D), -y};
}

void layChordCurve(shell::Context& ctx, const ChordHeight& height, const SunKept& keep,
                   numeric::Colour colour, const std::vector<double>& turnEnds) {
    const shell::Module1& m = ctx.m;
    const ChordFrame f = ChordFrame::from(m);
    const double R = m.Radius;
    // The chords of the generatrices where the curve may end, within the quarter turns the
    // frame unrolls.
    CurveRange range{-R, R, m.PointStep};
    std::vector<double> turns = f.reachLimitTurns();
    turns.insert(turns.end(), turnEnds.begin(), turnEnds.end());
    for (const double psi : turns)
        if (std::fabs(psi) < m.Pi / 2) range.ends.push_back(R * std::sin(psi));
    // Only the chords of the generatrices within the plot area's width: a cylinder far wider
    // than it is laid over the part it shows.
    const PlotBox box = plotBox(ctx.ixPlot1());
    auto chordOf = [&](double u) {
        const double psi = u / R;
        return psi <= -m.Pi / 2 ? -R : psi >= m.Pi / 2 ? R : R * std::sin(psi);
    };
    const std::optional<CurveRange> shown =
        narrowedRange(range, chordOf(box.left), chordOf(box.right));
    if (!shown) return;
    layDevelopedCurve(
        ctx,
        [&](double x) -> std::optional<DialPoint> {
            if (!f.shadowReaches(x)) return std::nullopt;
            const std::optional<double> y = height(x);
            if (!y) return std::nullopt;
            return DialPoint{numeric::checkFinite(R * shell::ArcSin(m, numeric::checkedDiv(x, R))),
                             *y};
        },
        *shown, keep, colour);
}

GeneratrixSweep chordSweep(shell::Context& ctx) {
    return circularSweep(ctx, [&ctx](const HeightAtOffset& height, const SunKept& keep,
                                     numeric::Colour colour, const std::vector<double>& ends) {
        const ChordFrame f = ChordFrame::from(ctx.m);
        layChordCurve(
            ctx, [&](double x) { return height(f.towardsTip(x, 0)); }, keep, colour, ends);
    });
}

}  // namespace dials::cylindrical
