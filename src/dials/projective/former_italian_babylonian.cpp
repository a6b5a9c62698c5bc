// Italian and Babylonian hours of the former projective dial. The plane of an hour's great
// circle through the tip cuts the reference plane in a straight line, which runs through the
// equinoctial point of hour angle H. Thirteen lines each, 15 degrees apart: through the point of
// H pass the Italian hour 18 - H / 15 and the Babylonian hour 6 - H / 15 (H counts towards the
// morning), and each line touches the day circle of declination 90 - lat, the circle that grazes
// the horizon. Formed from the circle's plane, the line's coefficients stay of the order of the
// style's length at every latitude, down to the equator, where the grazing circle's conic runs
// off to infinity.

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "dials/sky.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::checkedDiv;
using numeric::checkFinite;
using numeric::StepRange;

namespace {

// The plane of the hour's great circle through the tip meets the reference plane in the line
// z = slope x + offset. In the world frame (east, north, up) the reference point (x, z) lies at
// (-x, 0, z) from the centre O, the tip at (0, -a, -b), a = s cos(lat), b = s sin(lat); with n
// the circle's normal, n . (P - tip) = 0 gives -n.x x + n.y a + n.z (z + b) = 0.
struct ReferenceLine {
    double slope, offset;
};

ReferenceLine hourCircleLine(const shell::Module1& m, double theta) {
    const double phi = m.LatRad, s = m.StyleLengthD;
    const double a = s * std::cos(phi), b = s * std::sin(phi);
    const Vec3 n = turnedHorizonNormal(phi, theta);
    return {checkedDiv(n.x, n.z), checkFinite(-checkedDiv(n.y * a, n.z) - b)};
}

// The grazing circle's conic y^2 + alpha y + beta x^2 + gamma = 0 (y up from the equinoctial
// line), kept in the shared cells; it does not exist where T = 0 (at 45 degrees of latitude the
// circle projects as a parabola), and the cells then keep their values.
void storeGrazingConic(shell::Module1& m) {
    const double phi = m.LatRad, s = m.StyleLengthD;
    const double chi = m.Pi / 2 - phi;
    m.StyleElevSetupRad = chi;
    const double k = std::tan(phi) * std::tan(phi);
    const double T = std::sin(chi) * std::sin(chi) - k * std::cos(chi) * std::cos(chi);
    const double g = (s * std::tan(chi)) * (s * std::tan(chi));
    numeric::assignOrSkip(m.ItalBabCoefA,
                          [&] { return checkedDiv(-2 * s * std::sin(chi) * std::tan(chi), T); });
    numeric::assignOrSkip(m.ItalBabCoefB, [&] { return checkedDiv(1, T); });
    numeric::assignOrSkip(m.ItalBabCoefC, [&] { return checkedDiv(g, T); });
}

// turn: the circle's turn for the hour angle H (degrees, towards the morning), theta = turn - H,
// counted towards the afternoon as the shared sky counts its turns.
void drawItalianBabylonian(shell::Context& ctx, double turn, int colourIndex) {
    shell::Module1& m = ctx.m;
    storeGrazingConic(m);
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    for (double H : StepRange(-90, 90, 15)) {
        m.ConicB2345 = H;
        ReferenceLine line{};
        if (!numeric::skip([&] { line = hourCircleLine(m, (turn - H) * m.Pi / 180); })) continue;
        for (double x : StepRange(-m.XLoopHalf, m.XLoopHalf, 0.005)) {
            const double z = line.slope * x + line.offset;
            if (std::isfinite(z)) former::plotReferencePoint(ctx, x, z, colour);
        }
    }
}

}  // namespace

// Italian hour 18 - H / 15 sets 6 + H / 15 hours later: the horizon turned back by 90 + H.
void DrawItalianHoursProjFormer(shell::Context& ctx) { drawItalianBabylonian(ctx, -90, 12); }

// Babylonian hour 6 - H / 15 rose that long before: the horizon turned on by 90 - H.
void DrawBabylonianHoursProjFormer(shell::Context& ctx) { drawItalianBabylonian(ctx, 90, 13); }

}  // namespace dials::projective
