#include "dials/cylindrical/cyl_tip_shadows.h"

#include <algorithm>
#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "numeric/checked.h"

namespace dials::cylindrical {

namespace {

// The sample X of the parabola whose developed abscissa is xi: xi grows at least as fast as X,
// so X lies between 0 and xi; Newton's steps on the arc length, kept within that bracket, until
// they move X by no more than its rounding.
double sampleOf(const ParabolicFrame& f, double xi) {
    double low = std::min(0.0, xi), high = std::max(0.0, xi), X = xi / 2;
    for (int i = 0; i < 100; ++i) {
        const double miss = f.xi(X) - xi;
        (miss > 0 ? high : low) = X;
        const double u = X + f.u0;
        double next = X - miss / std::sqrt(1 + numeric::checkedDiv(u * u, f.p * f.p));
        if (!(next > low && next < high)) next = low + (high - low) / 2;
        if (std::fabs(next - X) <= 1e-15 * (1 + std::fabs(X))) return next;
        X = next;
    }
    return X;
}

}  // namespace

TipShadowSurface CircularTipShadows(const shell::Module1& m) {
    const CylinderShadow c = CylinderShadow::from(m);
    TipShadowSurface s;
    s.tip = c.L * Vec3{-std::sin(c.D), -std::cos(c.D), 0};
    s.pole = celestialPole(c.phi);
    s.column = {0, 0, 1};
    s.base = [c, tip = s.tip](double x) {
        return tip - c.towardsTipFromGeneratrix(numeric::checkedDiv(x, c.R));
    };
    double turn = m.Pi;
    for (const double limit : c.reachLimitTurns()) turn = std::min(turn, std::fabs(limit));
    s.from = -c.R * turn;
    s.to = c.R * turn;
    return s;
}

TipShadowSurface ParabolicTipShadows(const ParabolicFrame& f) {
    TipShadowSurface s;
    s.tip = {f.xt, f.s * f.yt, 0};
    s.pole = celestialPole(f.phi);
    s.column = {0, 0, 1};
    s.base = [f](double xi) {
        const double X = sampleOf(f, xi);
        return Vec3{X, f.s * f.Q(X), 0};
    };
    if (!f.reaches(0)) {
        s.from = 1;
        s.to = -1;
        return s;
    }
    // The tangents from the tip nearest the foot on either side.
    for (const double X : f.reachLimits()) {
        if (X < 0) s.from = std::max(s.from, f.xi(X));
        if (X > 0) s.to = std::min(s.to, f.xi(X));
    }
    return s;
}

}  // namespace dials::cylindrical
