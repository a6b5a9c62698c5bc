// Hour lines of the circular cylinder by 3D analytic geometry: for each hour angle H the plane
// through the style tip that contains the polar axis and the sun of H cuts the cylinder; at
// chord x its height is N / M. The line of true noon is left to the noon generatrix.
//
// That plane holds the suns of H and of H + 180. The half of the cut lit by the sun of H is
// the hour line and is always drawn; a point of the other half is drawn only where the sun of
// H + 180 really casts the tip's shadow on some day of the year (above the horizon, within the
// solstices), and not at all when that half is itself drawn as the other six o'clock line.

#include <cmath>

#include "dials/cylindrical/circular3d_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

constexpr double kSolsticeDeg = 23.45;
constexpr double kSameHourDeg = 1e-9;

int hourColour(double counter) {
    if (counter == 90) return 9;
    if (counter == 0) return 12;
    return 7;
}

// Whether the loop of the hour counter, from -90 by the step, reaches +90: then the two six
// o'clock lines are the two halves of one cut and each draws only its own.
bool loopReachesBothSixes(double step) {
    double last = -90;
    for (double counter : numeric::StepRange(-90, 90, step)) last = counter;
    return std::fabs(last - 90) <= kSameHourDeg;
}

// Which points of the cut of hour H are drawn (see the file's head).
class HourHalf {
public:
    HourHalf(const ChordFrame& f, double H, double pi, bool otherHalfDrawnElsewhere)
        : f_(f), H_(H), pi_(pi), otherHalfDrawn_(otherHalfDrawnElsewhere) {}

    bool keeps(double x, double y) const {
        const ChordFrame::Direction d = f_.towardsTip(x, y);
        const double e = d.east * std::sin(H_) - d.north * std::cos(H_) * std::sin(f_.phi) +
                         d.up * std::cos(H_) * std::cos(f_.phi);
        if (e >= 0) return true;
        if (otherHalfDrawn_ || !(d.up > 0)) return false;
        const double length = std::sqrt(d.east * d.east + d.north * d.north + d.up * d.up);
        const double sinDecl =
            (d.north * std::cos(f_.phi) + d.up * std::sin(f_.phi)) / length;
        return std::fabs(sinDecl) <= std::sin(kSolsticeDeg * pi_ / 180);
    }

private:
    ChordFrame f_;
    double H_, pi_;
    bool otherHalfDrawn_;
};

}  // namespace

void DrawCylHourLines3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    ctx.ixPlot1();
    const ChordFrame f = ChordFrame::from(m);
    const double cosD = std::cos(f.D), cosPhi = std::cos(f.phi);

    numeric::assignOrSkip(m.StyleElevRad, [&] {
        return std::atan(numeric::checkedDiv(
            cosPhi * cosD, numeric::checkedSqrt(1 - cosD * cosD * cosPhi * cosPhi)));
    });

    const bool bothSixes = loopReachesBothSixes(m.HourStep);
    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double counter) {
        const numeric::Colour colour = shell::LineColor(ctx, hourColour(counter));
        m.HourAngleRad = counter * m.Pi / 180 + E * m.ZoneCorrRad;
        const double H = m.HourAngleRad;
        if (H == 0) return;
        const bool sixOClock = std::fabs(std::fabs(counter) - 90) <= kSameHourDeg;
        const HourHalf half(f, H, m.Pi, bothSixes && sixOClock);
        const double sinPhi = std::sin(f.phi), tanH = std::tan(H), tanD = std::tan(f.D);
        const double M = tanH * cosPhi * cosD + cosPhi * std::sin(f.D) * tanH * tanD;
        sweepChord(ctx, [&](double x) {
            if (!f.shadowReaches(x)) return;
            const double z = f.depth(x);
            const double N = (f.L + z) * (tanD + tanH * sinPhi) + x * (1 - sinPhi * tanH * tanD);
            const double y = numeric::checkedDiv(N, M);
            if (half.keeps(x, y)) plotChordPoint(ctx, x, y, colour);
        });
    });
}

}  // namespace dials::cylindrical
