// The auxiliary vertical plane of the latter projective programme, the central projection from
// the style tip that carries its points onto the dial, and the conics of the declination lines.

#include <cmath>

#include "dials/projective/latter_procedures.h"
#include "dials/geometry_names.h"
#include "dials/plot_line.h"
#include "geometry/sky.h"
#include "numeric/checked.h"

namespace dials::projective::latter {

using numeric::checkedDiv;

AuxFrame AuxFrame::from(const shell::Module1& m) {
    AuxFrame f;
    f.A = m.SetupAngleA;
    f.B = m.SetupAngleB;
    f.H = m.AuxStyleLength;
    f.R = m.ReclRad;
    f.W0 = m.PlaneCoefY;
    return f;
}

DialPoint AuxFrame::projectHomogeneous(double X, double Y, double w) const {
    const double d = H * w - Y * std::tan(R);
    return {checkedDiv(H * X, d), checkedDiv(H * Y, d * std::cos(R)) + H * std::sin(R)};
}

DialPoint AuxFrame::fromSubstyle(double u, double v, double w) const {
    return projectHomogeneous(u * std::cos(A) - v * std::sin(A), u * std::sin(A) + v * std::cos(A),
                              w);
}

AuxFrame::HourLine AuxFrame::hourLine(double tau) const {
    return {std::sin(B) * std::tan(tau), checkedDiv(H, std::cos(B)) * std::tan(tau)};
}

AuxFrame::LineInV AuxFrame::inV(const HourLine& line) const {
    const double den = line.tanQ * std::cos(A) + std::sin(A);
    return {checkedDiv(line.tanQ * std::sin(A) - std::cos(A), den),
            checkedDiv(line.P - W0 * line.tanQ, den)};
}

ScaledConic scaledConic(double delta, double B, double H) {
    // k = cot^2 delta; the cone meets V where the ray from the tip makes 90 - delta with the axis.
    const double k = checkedDiv(1, sq(std::tan(delta)));
    ScaledConic c;
    c.T = sq(std::sin(B)) - k * sq(std::cos(B));
    c.b = -2 * H * std::tan(B);
    c.c = sq(checkedDiv(H, std::cos(B)));
    c.K = k * H * H;
    return c;
}

bool sunAboveHorizon(const shell::Module1& m, const DialPoint& p) {
    return aboveHorizon(dialFace(m).sunOf(m.StyleLength, p));
}

}  // namespace dials::projective::latter
