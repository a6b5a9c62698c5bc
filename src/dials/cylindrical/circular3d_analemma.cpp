// The analemma of the circular cylinder by 3D analytic geometry: through the year, the shadow
// of the style tip at noon of standard-meridian time. Each day's shadow is where the ray from the
// tip away from the sun meets the section: on a concave dial where it leaves the cylinder, on a
// convex one where it first meets it. The ray is followed as a vector and the point named by its
// turn about the axis, so that a sun almost along the surface loses no precision.
//
// The point is drawn only on the half of the surface within a quarter turn of the foot, which is
// all the chord frame of the programme unrolls.

#include <cmath>
#include <optional>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/sun_series.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylAnalemma3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    // The analemma's own value of pi, left in the shared variable for the rest of the run.
    m.Pi = kAnalemmaPi;
    const ChordFrame f = ChordFrame::from(m);
    const double sinD = std::sin(f.D), cosD = std::cos(f.D);
    // The tip lies c from the axis along the face's direction at the foot.
    const double c = f.L + f.s * f.R;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kGreen);

    // The year by quarter days, laid by the curve sampler where the shadow moves fast; it closes
    // on its first day, whose point is not drawn twice.
    layDevelopedCurve(
        ctx,
        [&](double t) -> std::optional<DialPoint> {
            const SunOnLine sun = meanNoonSun(m, t);
            const Vec3 towardsSun = sunDirection(f.phi, sun.tau, sun.delta);
            // The sun along the face's direction (f) and to the right (e) at the foot.
            const double along = -towardsSun.x * sinD - towardsSun.y * cosD;
            const double across = towardsSun.x * cosD - towardsSun.y * sinD;

            // The ray tip - k sun meets the section where
            // (along^2 + across^2) k^2 - 2 c along k + c^2 - R^2 = 0.
            const numeric::QuadraticRoots k = numeric::stableQuadraticRoots(
                along * along + across * across, -2 * c * along, c * c - f.R * f.R);
            if (!k.minus || !k.plus) return std::nullopt;
            const double far = std::fmax(*k.minus, *k.plus);
            const double near = std::fmin(*k.minus, *k.plus);
            const double reach = f.s < 0 ? far : near;
            if (!(reach > 0)) return std::nullopt;

            // The point from the axis, along f and along e; its turn from the foot's generatrix.
            const double fromAxisAlong = c - reach * along;
            const double fromAxisAcross = -reach * across;
            const double psi = std::atan2(fromAxisAcross, f.s * fromAxisAlong);
            if (std::fabs(psi) > m.Pi / 2) return std::nullopt;
            return DialPoint{numeric::checkFinite(m.Radius * psi), -reach * towardsSun.z};
        },
        {-80, 280, kMeanDayDeg / 4, true, true}, everySunKept, colour);
}

}  // namespace dials::cylindrical
