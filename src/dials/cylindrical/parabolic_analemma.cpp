// The analemma of the parabolic dial: for each mean day of the year, the shadow of the tip at
// 12:00 mean time of the standard meridian. The sun's declination and the equation of time come
// from the shared sun series; the ray through the tip is cut with the cylinder by a quadratic in
// the section's abscissa u, in the frame where the surface is Y = s u^2 / (2p), Y north from the
// vertex.
//
// The height formula of this section gives the shadow of the sun at hour angle -H (west
// positive) when it is given H; the true sun stands at the zone meridian's mean noon less the
// equation of time (Ec - Q) of hour angle, so H is the equation of time plus the zone
// correction. Of the quadratic's two roots the one on the side of H is the first surface point
// the shadow reaches.

#include <cmath>

#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/flat3d/sun_series.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawParabolicAnalemma(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    using numeric::checkedDiv;
    const double p = f.p, s = f.s, phi = f.phi;
    const double Dw = s * f.Dp;  // the wall declination again
    const double uf = checkedDiv(-p * std::tan(Dw), s);
    const double ut = uf - f.L * std::sin(Dw);
    const double W = checkedDiv(s * ut * ut, 2 * p) - m.TipOffset;
    const double hT = -m.TipOffset * std::tan(phi);
    const double Af = f.A(uf);
    flat3d::storeAnalemmaObliquity(m);
    const numeric::Colour colour = shell::LineColor(ctx, 14);

    for (double T : numeric::StepRange(0, 360, flat3d::kMeanDayDeg)) {
        numeric::skip([&] {
            const flat3d::SunSeries sun = flat3d::sunForDay(T, m.AnalemmaObliquityRad, m.Pi);
            m.ConicA115 = sun.doubleLongitudeSine;
            const double delta = sun.declination;
            const double H = sun.equationOfTime() + f.Z0;
            const double sinH = std::sin(H), tanH = std::tan(H);
            const double a = s * sinH * tanH;
            const double E1 = std::tan(-delta) * std::cos(phi) * tanH + std::sin(phi) * sinH;
            const double b = 2 * p * E1;
            const double c = -2 * p * ut * E1 - 2 * p * W * sinH * tanH;
            const double d = numeric::checkFinite(b * b - 4 * a * c);
            // The ray misses the cylinder.
            if (d < 0) return;
            const double u = checkedDiv(-b + numeric::sgn(H) * numeric::checkedSqrt(d), 2 * a);
            const double Y = W + checkedDiv((ut - u) * E1, sinH * tanH);
            const double Z =
                checkedDiv((u - ut) + (Y - W) * std::sin(phi) * tanH, std::cos(phi) * tanH) + hT;
            m.DevelopedAbscissa = f.A(u);
            plot.xPset(numeric::checkFinite(m.DevelopedAbscissa - Af),
                       numeric::checkFinite(-(Z + m.TipOffset * std::tan(phi))), colour);
        });
    }
}

}  // namespace dials::cylindrical
