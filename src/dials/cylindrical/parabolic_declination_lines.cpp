// Declination lines of the parabolic dial: the sun's rays through the tip on a day of
// declination delta form a double cone round the polar axis; each vertical generatrix meets it
// in up to two points, one on the line of +delta and one on that of -delta, drawn together in
// one colour. The cone's equation is even in the axis coordinate and the height together, so it
// holds on both sides once the height is turned with the side sign.

#include <cmath>

#include "dials/cylindrical/parabolic_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

struct DeclinationLine {
    double degrees;
    int colour;
};

// The solstices and the limits of the zodiac months.
constexpr DeclinationLine kLines[] = {{23.45, 12}, {20.001, 13}, {11.5001, 11}};

}  // namespace

void DrawParabolicDeclinationLines(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    using numeric::checkedDiv;
    const double sinPhi = std::sin(f.phi), cosPhi = std::cos(f.phi);
    const double sin2 = sinPhi * sinPhi, cos2 = cosPhi * cosPhi;

    for (const DeclinationLine& line : kLines) {
        const numeric::Colour colour = shell::LineColor(ctx, line.colour);
        // K = cot^2 delta.
        const double K = checkedDiv(1, std::pow(std::tan(line.degrees * m.Pi / 180), 2.0));
        forEachSample(m, -1, 1, [&](double X) {
            m.PlaneCoefSaveY = f.Q(X);
            const double x = X - f.xt, q = m.PlaneCoefSaveY - f.yt;
            const double a = cos2 - K * sin2;
            const double b = -2 * sinPhi * cosPhi * q * (1 + K);
            const double c = x * x + (sin2 - K * cos2) * q * q;
            const double d = numeric::checkFinite(b * b - 4 * a * c);
            // This generatrix misses the cone.
            if (d < 0) return;
            const double Z1 = checkedDiv(-b + numeric::checkedSqrt(d), 2 * a);
            const double Z2 = checkedDiv(-b - numeric::checkedSqrt(d), 2 * a);
            m.DevelopedAbscissa = f.xi(X);
            plot.xPset(m.DevelopedAbscissa, -f.s * Z2, colour);
            plot.xPset(m.DevelopedAbscissa, -f.s * Z1, colour);
        });
    }
}

}  // namespace dials::cylindrical
