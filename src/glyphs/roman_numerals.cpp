// The Roman hour numerals I to XII as hollow line drawings: an I is its two vertical edges, a V
// and an X the outlines of their slanted bands, and every numeral is closed along its top and
// its bottom by one bar over all its strokes. The V or the X stands in a cell half the numeral's
// height wide; the I strokes stand at fixed stations left and right of it. The numeral is
// centred on the caller's point, turned as asked, and the point on which the cell was placed is
// written back to the caller.
//
// Every statement that can fail is skipped on its own, leaving its target as it was; a line is
// drawn only when both its ends could be placed.

#include <cmath>

#include "glyphs/glyphs.h"
#include "numeric/checked.h"
#include "numeric/palette.h"
#include "numeric/skip.h"

namespace glyphs {

namespace {

using numeric::checkFinite;

constexpr int kNumeralColour = numeric::palette::kLightGrey;

constexpr double kI = 1.0 / 13;   // width of an I stroke and of the bands of the X
constexpr double kV = 1.0 / 12;   // width of the bands of the V, across the band
constexpr double kTop = 0.5, kBottom = -0.5;

// The u of station 0..12 along both rows; g is the spacing next to the V (stations 2, 7, 8).
double station(int index, double g) {
    switch (index) {
        case 0: return -0.25 - 3 * kI;
        case 1: return -0.25 - 2 * kI;
        case 2: return -0.25 - g;
        case 3: return -0.25;
        case 4: return -1.0 / 6;
        case 5: return 1.0 / 6;
        case 6: return 0.25;
        case 7: return 0.25 + g;
        case 8: return 0.25 + 2 * g;
        case 9: return 0.25 + 4 * kI;
        case 10: return 0.25 + 5 * kI;
        case 11: return 0.25 + 7 * kI;
        case 12: return 0.25 + 8 * kI;
        default: numeric::fail(numeric::FailureKind::OutOfDomain);
    }
}

// The numeral's cell placed on the dial: a cell point (u, v), in units of the size s, lies at
// X = x + s((u - cu) cos(phi) + v sin(phi)), Y = y + s(-(u - cu) sin(phi) + v cos(phi)).
struct Cell {
    shell::Context& ctx;
    double x, y;         // the caller's point, dial metres (y up)
    double s;            // numeral height, metres
    double cosPhi, sinPhi;
    double cu = 0;       // centre offset of the numeral along u
    double g = kI;       // spacing next to the strokes

    // The turned offset of (u, v) from the cell's centre, metres.
    double offsetX(double u, double v) const { return s * (u * cosPhi + v * sinPhi); }
    double offsetY(double u, double v) const { return s * (-u * sinPhi + v * cosPhi); }

    void line(double u1, double v1, double u2, double v2) const {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        const bool placed = numeric::skip([&] {
            X1 = checkFinite(x + offsetX(u1 - cu, v1));
            Y1 = checkFinite(y + offsetY(u1 - cu, v1));
            X2 = checkFinite(x + offsetX(u2 - cu, v2));
            Y2 = checkFinite(y + offsetY(u2 - cu, v2));
        });
        if (placed) ctx.ixPlot1().xLine(X1, -Y1, X2, -Y2, numeric::qbColor(kNumeralColour));
    }
    // A vertical edge at station `index`, from the top row to the bottom row.
    void edge(int index) const {
        const double u = station(index, g);
        line(u, kTop, u, kBottom);
    }
    // An I column: its left edge, then its right edge.
    void column(int left, int right) const {
        edge(left);
        edge(right);
    }
    // The top bar, then the bottom bar.
    void bars(double uL, double uR) const {
        line(uL, kTop, uR, kTop);
        line(uL, kBottom, uR, kBottom);
    }

    // Centres the numeral between the first stroke's left edge and the last stroke's right
    // edge, and writes back the point on which the cell's centre is placed.
    void centre(int firstLeft, int lastRight, double& callerX, double& callerY) {
        cu = (station(firstLeft, g) + station(lastRight, g)) / 2;
        numeric::assignOrSkip(callerX, [&] { return x - s * cu * cosPhi; });
        numeric::assignOrSkip(callerY, [&] { return y + s * cu * sinPhi; });
    }

    void drawV() const {
        const double k = std::sqrt(17.0) / 48;        // a band's width along the top row
        const double innerV = kBottom + std::sqrt(17.0) / 12;
        line(-0.25, kTop, 0, kBottom);
        line(0.25, kTop, 0, kBottom);
        line(-0.25 + k, kTop, 0, innerV);
        line(0, innerV, 0.25 - k, kTop);
    }

    void drawX() const {
        line(-0.25, kTop, -1.0 / 24, 0);
        line(-1.0 / 24, 0, -0.25, kBottom);
        line(-1.0 / 6, kTop, 0, 0.1);
        line(0, 0.1, 1.0 / 6, kTop);
        line(0, -0.1, 1.0 / 6, kBottom);
        line(0, -0.1, -1.0 / 6, kBottom);
        line(0.25, kTop, 1.0 / 24, 0);
        line(1.0 / 24, 0, 0.25, kBottom);
    }
};

}  // namespace

void GlyphRomanNumeral(shell::Context& ctx, double& x, double& y, double baseAngle, int hour,
                       int quarter) {
    shell::Module1& m = ctx.m;
    bool onesOnly = false;

    // A size that cannot be read draws nothing rather than a numeral of some earlier size. A
    // negative size draws the numeral of its absolute value, upright.
    double s = 0;
    const bool sized =
        numeric::assignOrSkip(s, [&] { return std::fabs(ctx.inputs.number("txtNumberSize")); });

    double phi = 0;
    const bool oriented = numeric::assignOrSkip(
        phi, [&] { return checkFinite(baseAngle + m.Pi * (1 - quarter) / 2) - m.Pi / 2; });
    if (!sized || !oriented) return;

    Cell cell{ctx, x, y, s, std::cos(phi), std::sin(phi)};
    // The bars of the V or the X run from station `left` to one spacing beyond station `right`.
    int left = 2, right = 0;

    if (hour < 1 || hour > 12) return;   // no numeral for it

    if (hour > 3 && hour < 9) {
        // IV to VIII: the strokes next to the V stand at the V's band width.
        right = 2 * hour - 4;
        cell.g = kV;
        cell.centre(hour == 4 ? 1 : 3, hour == 4 ? 6 : 2 * hour - 4, x, y);
        cell.drawV();
    } else if (hour > 3) {
        // IX to XII.
        right = 2 * hour - 14;
        cell.centre(hour == 9 ? 1 : 3, hour == 9 ? 6 : 2 * hour - 14, x, y);
        cell.drawX();
    } else {
        // I to III: the columns stand right of the cell, the bars from its right corner.
        onesOnly = true;
        cell.centre(7, 2 * hour + 6, x, y);
        cell.bars(station(6, kI), station(2 * hour + 6, kI) + kI);
    }

    // The I columns after the V or the X, or alone: at stations 7-8, 9-10 and 11-12.
    const int columns = hour <= 3 ? hour : hour <= 8 ? hour - 5 : hour - 10;
    for (int c = 0; c < columns; ++c) cell.column(7 + 2 * c, 8 + 2 * c);

    if (hour == 4 || hour == 9) {
        // The I before the V or the X: its right edge, then its left edge.
        cell.edge(2);
        cell.edge(1);
        left = 0;
        right = 6;
    }

    if (!onesOnly) cell.bars(station(left, cell.g), station(right, cell.g) + cell.g);
}

}  // namespace glyphs
