#include "glyphs/zodiac_frame.h"

#include <cmath>

#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/palette.h"

namespace glyphs {

using numeric::checkFinite;

ZodiacFrame::ZodiacFrame(shell::Context& ctx, double x, double y, double angleDeg)
    : ctx_(ctx), x_(x), y_(y) {
    // A negative size draws the sign of its absolute value, upright and with arcs of a real
    // radius.
    const double size = std::fabs(ctx.inputs.number("TxtZodiacSize"));
    setWorkingAngle(checkFinite(angleDeg * ctx.m.Pi / 180));
    hs_ = size / 2;
}

void ZodiacFrame::setWorkingAngle(double w) {
    w_ = checkFinite(w);
    sinW_ = std::sin(w_);
    cosW_ = std::cos(w_);
}

double ZodiacFrame::angle(int quarters, double deg) const {
    const double pi = Pi();
    double turn = 0;
    switch (quarters) {
        case 0: turn = 0; break;
        case 1: turn = pi / 2; break;
        case 2: turn = pi; break;
        case 3: turn = 3 * pi / 2; break;
        case 4: turn = pi + pi; break;
        default: numeric::fail(numeric::FailureKind::OutOfDomain);
    }
    return checkFinite((w_ - pi / 2) + turn + deg * pi / 180);
}

double ZodiacFrame::turned(double deg) const { return checkFinite(w_ + deg * Pi() / 180); }

// Each term is formed as hs * (k / 28) with the grid constant k.
double ZodiacFrame::plotX(double p, double q) const {
    return checkFinite(x_ + hs_ * (p / 28) * sinW_ - hs_ * (q / 28) * cosW_);
}

double ZodiacFrame::plotY(double p, double q) const {
    return checkFinite(-(y_ - hs_ * (p / 28) * cosW_ - hs_ * (q / 28) * sinW_));
}

double ZodiacFrame::radius(double R) const { return checkFinite(hs_ * R / 28); }

void ZodiacFrame::line(double p, double q, double p2, double q2, int colour) {
    const double x1 = plotX(p, q), y1 = plotY(p, q);
    const double x2 = plotX(p2, q2), y2 = plotY(p2, q2);
    ctx_.ixPlot1().xLine(x1, y1, x2, y2, numeric::qbColor(colour));
}

void ZodiacFrame::lineAndMirrorP(double p, double q, double p2, double q2, int colour) {
    line(p, q, p2, q2, colour);
    line(0 - p, q, 0 - p2, q2, colour);
}

void ZodiacFrame::lineAndMirrorQ(double p, double q, double p2, double q2, int colour) {
    line(p, q, p2, q2, colour);
    line(p, 0 - q, p2, 0 - q2, colour);
}

void ZodiacFrame::point(double p, double q, int colour) {
    const double x1 = plotX(p, q), y1 = plotY(p, q);
    ctx_.ixPlot1().xPset(x1, y1, numeric::qbColor(colour));
}

void ZodiacFrame::arc(double p, double q, double R, double start, double end, int colour) {
    const double cx = plotX(p, q), cy = plotY(p, q), r = radius(R);
    start = checkFinite(start);
    end = checkFinite(end);
    normaliseArc(Pi(), start, end);
    ctx_.ixPlot1().xCircle(cx, cy, r, numeric::qbColor(colour), -1, 1, start, end);
}

void ZodiacFrame::circle(double p, double q, double R, int colour) {
    const double cx = plotX(p, q), cy = plotY(p, q), r = radius(R);
    ctx_.ixPlot1().xCircle(cx, cy, r, numeric::qbColor(colour), -1, 1);
}

void normaliseArc(double Pi, double& start, double& end) {
    const double twoPi = Pi + Pi;
    if (start > twoPi) start -= twoPi;
    if (end > twoPi) end -= twoPi;
    if (end < 0) end += twoPi;
    if (start < 0) start += twoPi;
}

void drawSign(shell::Context& ctx, double x, double y, double angleDeg,
              void (*strokes)(ZodiacFrame&)) {
    try {
        ZodiacFrame frame(ctx, x, y, angleDeg);
        strokes(frame);
    } catch (const numeric::NumericFailure&) {
        // The sign ends here; what was sent stays drawn.
    }
}

}  // namespace glyphs
