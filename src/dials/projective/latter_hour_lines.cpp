// The hour lines of the latter projective dial: straight lines of the auxiliary vertical plane,
// swept by a parameter along them, through the point at infinity, and carried onto the dial by
// the shared curve sampler: the sweep's 5 mm of the auxiliary plane its step, and as many points
// between as keep the points on the dial no more than the flat dials' line step apart in the plot
// area, where the projection stretches the line or runs it through infinity. A point whose
// computation fails is not drawn, and the sweep goes on with the next.

#include <cmath>

#include "dials/plot_curve.h"
#include "dials/plot_line.h"
#include "dials/projective/latter_procedures.h"
#include "dials/projective/projective_sweep.h"
#include "dials/six_oclock.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::checkedDiv;

void DrawHourLinesProjLatter(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    // Standard-meridian time moves every line by the zone correction; the colours follow the
    // counter.
    const double e = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    // A plane facing due east or west: V's hour lines are parallel, swept along X.
    const bool parallel = std::fabs(m.DeclDecimal) == 90;
    const PlotBox box = plotBox(plot);

    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double counter) {
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColourIndex(counter, true));
        const double h = counter - e * m.ZoneCorrDeg;
        const double tau = m.SubstyleHour + m.Pi * h / 180;
        // A line that cannot be formed is not drawn.
        latter::AuxFrame::HourLine l;
        if (!numeric::skip([&] { l = f.hourLine(tau); })) return;
        const double tanQ = l.tanQ, P = l.P;
        // On a wall facing due east or west V's hour lines are parallel, swept along X: the line
        // Y = slope X + intercept.
        latter::AuxFrame::LineInV v;
        if (parallel && !numeric::skip([&] { v = f.inV(l); })) return;
        // A line closer to the substyle than half a right angle is swept along the substyle, so
        // that it gets its points at the same spacing as the others (the noon line of a plane
        // facing the south lies on the substyle itself).
        const bool alongSubstyle = std::fabs(tanQ) < 1;
        const CurveAt line = [&](double t) {
            return solvePoint([&] {
                if (parallel) return f.projectHomogeneous(t, t * v.slope + v.intercept, 1);
                if (alongSubstyle) return f.fromSubstyle(P - tanQ * (t + f.W0), t);
                return f.fromSubstyle(t, checkedDiv(P - t, tanQ) - f.W0);
            });
        };
        // The same point for t = 1 / s, formed with t divided out: s = 0 is the line's point at
        // infinity.
        const CurveAt far = [&](double s) {
            return solvePoint([&] {
                if (parallel) return f.projectHomogeneous(1, v.slope + s * v.intercept, s);
                if (alongSubstyle) return f.fromSubstyle(P * s - tanQ * (1 + f.W0 * s), 1, s);
                return f.fromSubstyle(1, checkedDiv(P * s - 1, tanQ) - f.W0 * s, s);
            });
        };
        const CurveVisit draw = [&](double, const DialPoint& p) {
            plotDialPoint(plot, p, colour);
        };
        laySweepThroughInfinity(line, far, kSweepHalf, 0.005, box, draw);
        if (!parallel) return;
        // A parallel line of V that lies farther off than the sweep reaches (the noon line of a
        // plane facing due east or west, which only the stored Pi's residue keeps at a finite
        // distance: the sweep draws it as one dot) is laid again as rho (n + s d), n its unit
        // normal, rho its signed distance from K along n, d its unit direction, with rho divided
        // out of the projection (AuxFrame::projectHomogeneous). The line is slope X - Y =
        // -intercept.
        const double length = std::hypot(v.slope, 1.0);
        const double rho = -v.intercept / length, nX = v.slope / length, nY = -1 / length;
        if (!(std::isfinite(rho) && std::fabs(rho) > kFarthestAbscissa * kSweepHalf)) return;
        laySweepThroughInfinity(
            [&](double s) {
                return solvePoint(
                    [&] { return f.projectHomogeneous(nX - s * nY, nY + s * nX, 1 / rho); });
            },
            [&](double s) {
                return solvePoint(
                    [&] { return f.projectHomogeneous(s * nX - nY, s * nY + nX, s / rho); });
            },
            kSweepHalf, 0.005, box, draw);
    });
}

}  // namespace dials::projective
