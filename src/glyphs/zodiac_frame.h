#pragma once
// The frame every zodiac sign is drawn in. A sign is designed on a grid (p, q) whose origin is
// the dial point; 28 grid units are half the zodiac size, and at a turn of 90 degrees p runs to
// the right and q downward on the screen. The frame maps grid points to the plot, forms the arc
// angles the way every sign forms them, keeps them in [0, 2*Pi) and sends the strokes in fixed
// palette colours.

#include "numeric/palette.h"
#include "shell/context.h"

namespace glyphs {

// The signs name their stroke colours by the palette's names.
using namespace numeric::palette;

class ZodiacFrame {
public:
    // The entry every sign shares: the dial point, the size read from TxtZodiacSize, the turn
    // angle in radians, the half-size. Throws numeric::NumericFailure when a value cannot be
    // formed.
    ZodiacFrame(shell::Context& ctx, double x, double y, double angleDeg);

    shell::Module1& m() { return ctx_.m; }
    double Pi() const { return ctx_.m.Pi; }

    // The angle the grid is turned by (radians); Cancer works on a grid turned 45 degrees
    // further clockwise.
    double workingAngle() const { return w_; }
    void setWorkingAngle(double w);

    // An arc angle as the signs form it, in radians: (w - 90 deg) + quarters * 90 deg + deg,
    // where 90, 180, 270 and 360 are Pi/2, Pi, 3*Pi/2 and Pi + Pi, so that the exact values
    // 0 and 2*Pi come out exactly where the sign is upright.
    double angle(int quarters, double deg = 0) const;
    // An arc angle formed from the working angle itself: w + deg, in radians.
    double turned(double deg) const;

    // Strokes (grid units; angles in radians as formed by angle()). Each throws
    // numeric::NumericFailure, before sending anything, when a coordinate is not finite.
    void line(double p, double q, double p2, double q2, int colour);
    // A line, then its mirror image with p negated (lineAndMirrorP) or q negated
    // (lineAndMirrorQ); a 0 stays +0, as when written out.
    void lineAndMirrorP(double p, double q, double p2, double q2, int colour);
    void lineAndMirrorQ(double p, double q, double p2, double q2, int colour);
    void point(double p, double q, int colour);
    // The arc's angles are normalised (normaliseArc) before they are sent.
    void arc(double p, double q, double R, double start, double end, int colour);
    void circle(double p, double q, double R, int colour);

private:
    double plotX(double p, double q) const;
    double plotY(double p, double q) const;
    double radius(double R) const;

    shell::Context& ctx_;
    double x_, y_;    // the dial point, metres
    double hs_ = 0;   // half the zodiac size, metres
    double w_ = 0;    // working angle, radians
    double sinW_ = 0, cosW_ = 1;
};

// Brings an arc's start and end into [0, 2*Pi] with one correction each, as the plot surface
// expects them: start above 2*Pi, end above 2*Pi, end below 0, start below 0, in this order,
// each test strict, so that exactly 0 and exactly 2*Pi are kept.
void normaliseArc(double Pi, double& start, double& end);

// Runs one sign: its entry, then its strokes. A numerical failure ends the sign at the stroke
// in hand; the strokes already sent stay drawn and the caller goes on with its next sign.
void drawSign(shell::Context& ctx, double x, double y, double angleDeg,
              void (*strokes)(ZodiacFrame&));

}  // namespace glyphs
