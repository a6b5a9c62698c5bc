// The generatrices of the parametric cylinder and the vertical dial of the plane tangent along
// each: the quantities every curve of the programme starts from.

#include <cmath>

#include "dials/cylindrical/param_procedures.h"
#include "dials/geometry_names.h"
#include "dials/plot_line.h"
#include "geometry/face.h"
#include "shell/helpers.h"

namespace dials::cylindrical::param {

Generatrix generatrixAt(const shell::Module1& m, double D, double t) {
    const double phi = m.LatRad;
    const double L = m.StyleLength;
    const double C = m.CylParam;
    Generatrix gen;
    gen.theta = -D - t;
    gen.w = (L - C) * std::sin(gen.theta);
    gen.g = (L - C) * std::cos(gen.theta) + C;
    // The tangent plane is the vertical face looking to the azimuth t, of declination -t. Its
    // polar style in this programme's signs: the elevation's sine positive where the axis rising
    // to the pole runs into the plane behind the tip, and the substyle's angle from the vertical
    // of the sign of the pole's lean along the plane's horizontal (the face's right).
    const Face tangent = Face::declining(-t, 0);
    const double sinE = -tangent.polarElevationSine(phi);
    const DialPoint substyle = tangent.substyleDirection(phi);
    gen.A = shell::Atn2(m, substyle.x, substyle.y);
    gen.e = shell::ArcSin(m, sinE);
    // The sweep runs a whole turn from the generatrix facing north; each is drawn on the strip
    // centred on the foot's, where the other programmes draw it.
    gen.u = C * turnOnStrip(gen.theta, m.Pi);
    return gen;
}

void layGeneratrixCurve(shell::Context& ctx, double D, const GeneratrixHeight& height,
                        const SunKept& keep, numeric::Colour colour,
                        const std::vector<double>& turnEnds) {
    shell::Module1& m = ctx.m;
    // The section angles of the generatrices where the curve may end: the turn psi from the
    // foot's is -SideSign theta, theta = -D - t.
    std::vector<double> turns = CylinderShadow::from(m).reachLimitTurns();
    turns.insert(turns.end(), turnEnds.begin(), turnEnds.end());
    // The sweep returns at its end to the generatrix it started from: that point is laid once.
    CurveRange range{-m.Pi, m.Pi, m.PointStep, true, true};
    const double R = m.Radius, s = m.SideSign;
    if (R > 1) {
        // A step of the section angle is R steps of arc: on a cylinder of more than a metre a
        // line could come into the plot area and leave it between two samples. Its sweep runs
        // over the generatrices within the area's width, on the strip about the foot's, at no
        // more than the point step of arc apart.
        const PlotBox box = plotBox(ctx.ixPlot1());
        const double strip = m.Pi * R;
        const double left = std::fmax(box.left, -strip), right = std::fmin(box.right, strip);
        if (!(right > left)) return;
        const double t1 = -D + s * left / R, t2 = -D + s * right / R;
        range = {std::fmin(t1, t2), std::fmax(t1, t2), m.PointStep / std::ceil(R), true, false};
        for (const double psi : turns) range.ends.push_back(-D + s * psi);
    } else {
        for (const double psi : turns) range.ends.push_back(turnOnStrip(-D + s * psi, m.Pi));
    }
    layDevelopedCurve(
        ctx,
        [&](double t) -> std::optional<DialPoint> {
            const Generatrix gen = generatrixAt(m, D, t);
            // Where the tip stands behind the tangent plane its shadow never falls.
            if (!(gen.g > 0)) return std::nullopt;
            const std::optional<double> y = height(gen);
            if (!y) return std::nullopt;
            return DialPoint{gen.u, *y};
        },
        range, keep, colour);
}

GeneratrixSweep generatrixSweep(shell::Context& ctx) {
    return circularSweep(ctx, [&ctx](const HeightAtOffset& height, const SunKept& keep,
                                     numeric::Colour colour, const std::vector<double>& ends) {
        const shell::Module1& m = ctx.m;
        // The generatrix is turned by -SideSign * theta from the foot's.
        auto towardsTip = [&](const Generatrix& gen) {
            return CylinderShadow::from(m).towardsTipFromGeneratrix(-m.SideSign * gen.theta);
        };
        layGeneratrixCurve(
            ctx, m.DeclDecimal * m.Pi / 180,
            [&](const Generatrix& gen) { return height(towardsTip(gen)); }, keep, colour, ends);
    });
}

}  // namespace dials::cylindrical::param
