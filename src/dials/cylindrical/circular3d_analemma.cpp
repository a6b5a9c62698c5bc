// The analemma of the circular cylinder by 3D analytic geometry: through the year, the shadow
// of the style tip at noon of standard-meridian time. For each day the sun's ray through the tip
// has the horizontal slope m in the frame of the tangent plane (x across, w along the normal
// from the foot into the wall, the tip at w = -L, the axis at w = s R); it meets the section
// where (m^2 + 1) w^2 + 2 (L m^2 - s R) w + m^2 L^2 = 0.
//
// Of the two roots the shadow is the one on the far side of the tip from the sun; it is drawn
// only on the half of the surface within a quarter turn of the foot, which is all the unrolled
// abscissa R ArcSin(x / R) can show.

#include <cmath>
#include <optional>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/flat3d/sun_series.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// The analemma's own value of pi, left in the shared variable for the rest of the run.
constexpr double kAnalemmaPi = 3.1415926536;

}  // namespace

void DrawCylAnalemma3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.Pi = kAnalemmaPi;
    flat3d::storeAnalemmaObliquity(m);
    const ChordFrame f = ChordFrame::from(m);
    const double sinPhi = std::sin(f.phi), cosPhi = std::cos(f.phi);
    const double sinD = std::sin(f.D), cosD = std::cos(f.D);
    const numeric::Colour colour = shell::LineColor(ctx, 2);

    for (double t : numeric::StepRange(-80, 280, flat3d::kMeanDayDeg / 4)) {
        numeric::skip([&] {
            const flat3d::SunSeries sun = flat3d::sunForDay(t, m.AnalemmaObliquityRad, m.Pi);
            const double delta = sun.declination;
            // Hour angle at noon of standard-meridian time, positive towards the east.
            const double H = sun.equationOfTime() + m.ZoneCorrRad;
            const double sinH = std::sin(H), cosH = std::cos(H);
            const double sd = std::sin(-delta), cd = std::cos(-delta);

            const double P1 = cosD * cosH - sinD * sinPhi * sinH;
            const double P2 = sinD * cosH + sinPhi * cosD * sinH;
            const double P3 = -sinH * cosPhi;
            const double Q1 = cosD * sd * sinH + sinD * sinPhi * cosH * sd - sinD * cosPhi * cd;
            const double Q2 = sinD * sd * sinH - sinPhi * cosD * cosH * sd + cosPhi * cosD * cd;
            const double Q3 = sinPhi * cd + cosPhi * cosH * sd;
            const double slope = numeric::checkedDiv(Q2 * P3 - P2 * Q3, P1 * Q3 - Q1 * P3);

            const double m2 = slope * slope;
            const double b = 2 * (f.L * m2 - f.s * f.R);
            const double disc = b * b - 4 * (m2 + 1) * m2 * f.L * f.L;
            if (!(disc >= 0)) return;
            const double root = std::sqrt(disc);

            // The sun's component along the face's direction at the foot: the shadow point
            // lies at w + L = t * facing from the tip, t > 0.
            const double sunEast = std::cos(delta) * sinH;
            const double sunNorth = -std::cos(delta) * cosH * sinPhi + std::sin(delta) * cosPhi;
            const double facing = -sinD * sunEast - cosD * sunNorth;
            std::optional<double> w;
            for (double candidate : {(-b - f.s * root) / (2 * (m2 + 1)),
                                     (-b + f.s * root) / (2 * (m2 + 1))}) {
                if ((candidate + f.L) * facing > 0 && f.s * candidate <= f.R) {
                    w = candidate;
                    break;
                }
            }
            if (!w) return;
            const double x = slope * (*w + f.L);
            const double y = numeric::checkedDiv(-(slope * P1 + P2) * (*w + f.L), P3);
            plotChordPoint(ctx, x, y, colour);
        });
    }
}

}  // namespace dials::cylindrical
