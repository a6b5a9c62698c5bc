// The generatrices of the parametric cylinder and the vertical dial of the plane tangent along
// each: the quantities every curve of the programme starts from.

#include <cmath>

#include "dials/cylindrical/param_procedures.h"
#include "dials/plot_point.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical::param {

using numeric::checkedDiv;

Generatrix generatrixAt(shell::Module1& m, double D, double t, AngleForm form) {
    const double phi = m.LatRad;
    const double L = m.StyleLength;
    const double C = m.CylParam;
    Generatrix gen;
    gen.t = t;
    gen.theta = -D - t;
    gen.w = (L - C) * std::sin(gen.theta);
    m.HourAngleRad = std::cos(t) * std::cos(phi);
    const double c = m.HourAngleRad;
    gen.g = (L - C) * std::cos(gen.theta) + C;
    if (form == AngleForm::Hours) {
        m.SubstyleRad = shell::Atn2(m, std::sin(t), std::tan(phi));
        m.StyleElevRad = shell::ArcSin(m, c);
        gen.A = m.SubstyleRad;
        gen.e = m.StyleElevRad;
    } else {
        m.SetupAngleA = std::atan(checkedDiv(std::sin(t), std::tan(phi)));
        m.SetupAngleB = std::atan(checkedDiv(c, numeric::checkedSqrt(1 - c * c)));
        gen.A = m.SetupAngleA;
        gen.e = m.SetupAngleB;
    }
    // The sweep runs a whole turn from the generatrix facing north; each is drawn on the strip
    // centred on the foot's, where the other programmes draw it.
    gen.u = C * turnOnStrip(gen.theta, m.Pi);
    return gen;
}

void layGeneratrixCurve(shell::Context& ctx, double D, AngleForm form,
                        const GeneratrixHeight& height, const SunKept& keep,
                        numeric::Colour colour, const std::vector<double>& turnEnds) {
    shell::Module1& m = ctx.m;
    // The section angles of the generatrices where the curve may end: the turn psi from the
    // foot's is -SideSign theta, theta = -D - t.
    // The sweep returns at its end to the generatrix it started from: that point is laid once.
    CurveRange range{-m.Pi, m.Pi, m.PointStep, true, true};
    std::vector<double> turns = CylinderShadow::from(m).reachLimitTurns();
    turns.insert(turns.end(), turnEnds.begin(), turnEnds.end());
    for (const double psi : turns) range.ends.push_back(turnOnStrip(-D + m.SideSign * psi, m.Pi));
    layDevelopedCurve(
        ctx,
        [&](double t) -> std::optional<DialPoint> {
            const Generatrix gen = generatrixAt(m, D, t, form);
            // Where the tip stands behind the tangent plane its shadow never falls.
            if (!(gen.g > 0)) return std::nullopt;
            const std::optional<double> y = height(gen);
            if (!y) return std::nullopt;
            return DialPoint{gen.u, *y};
        },
        range, keep, colour);
}

Vec3 towardsTip(const shell::Module1& m, const Generatrix& gen) {
    // The generatrix is turned by -SideSign * theta from the foot's.
    return CylinderShadow::from(m).towardsTipFromGeneratrix(-m.SideSign * gen.theta);
}

GeneratrixConic conicOnGeneratrix(const Generatrix& gen, double p, double k) {
    const double A = gen.A, e = gen.e, g = gen.g, w = gen.w;
    const double cA = std::cos(A), sA = std::sin(A);
    GeneratrixConic c;
    c.K = sq(std::sin(e)) - k * sq(std::cos(e));
    c.P = checkedDiv(sq(checkedDiv(g, std::cos(e))), c.K);
    c.Q = checkedDiv(-2 * g * std::tan(e), c.K);
    c.S = checkedDiv(1, c.K);
    c.a2 = sq(cA) + c.S * sq(sA);
    c.a1 = 2 * p * cA - 2 * w * cA * sA + 2 * c.S * sA * w * cA + c.Q * cA;
    c.a0 = sq(p) + sq(w) * sq(sA) - 2 * p * w * sA + c.S * sq(w * cA) + c.Q * p - c.Q * w * sA +
           c.P;
    return c;
}

}  // namespace dials::cylindrical::param
