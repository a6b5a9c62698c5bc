// Hour lines of the former projective dial: on the reference plane every hour line is a
// straight line through the centre, z = k x with k = -1 / (tan H cos(lat)); each is drawn whole,
// on both sides of the centre. The line of hour angle 0 is the meridian x = 0, swept along z.
// The central projection carries a line of the reference plane into a line of the dial that may
// run steeply against x, through the image of the projection's pole, or on past the image of
// the reference plane's points at infinity: each is laid whole by the shared curve sampler
// (former::layReferenceCurve).

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "dials/six_oclock.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::StepRange;

void DrawHourLinesProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    for (double H : StepRange(-90, 90, m.HourStep)) {
        m.HourLoop = H;
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColourIndex(H, false));
        const double t = std::tan(H * m.Pi / 180);
        // Noon is the line through the centre along the reference axis.
        if (isNoon(H)) {
            former::layReferenceCurve(
                ctx, [](double z) { return former::ReferencePoint{0, z}; },
                [](double s) { return former::ReferencePoint{0, 1, s}; }, colour, false);
            continue;
        }
        double k = 0;
        const auto slope = [&] { return -numeric::checkedDiv(1, t * std::cos(m.LatRad)); };
        if (!numeric::assignOrSkip(k, slope)) continue;
        former::layReferenceCurve(
            ctx, [k](double x) { return former::ReferencePoint{x, k * x}; },
            [k](double s) { return former::ReferencePoint{1, k, s}; }, colour, false);
    }
}

}  // namespace dials::projective
