#include "dials/flat3d/plane.h"

#include <cmath>

#include "numeric/skip.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::flat3d {

using numeric::checkedDiv;

PlaneGeometry PlaneGeometry::from(const shell::Module1& m) {
    PlaneGeometry g;
    g.phi = m.LatRad;
    g.D = m.WallDeclRad;
    g.R = m.ReclRad;
    g.X0 = m.PlaneCoefX;
    g.Y0 = m.PlaneCoefY;
    g.Z0 = m.PlaneCoefZ;
    g.S = m.StyleLength3D;
    return g;
}

DialPoint PlaneGeometry::fromX(double X, double Z) const {
    const double u = checkedDiv(X, std::cos(D)) - Z * std::tan(D) * std::tan(R);
    const double v = checkedDiv(Z, std::cos(R));
    return {u, v};
}

DialPoint PlaneGeometry::fromY(double Y, double Z) const {
    const double u = -checkedDiv(Y, std::sin(D)) + checkedDiv(Z * std::tan(R), std::tan(D));
    const double v = checkedDiv(Z, std::cos(R));
    return {u, v};
}

WorldPoint PlaneGeometry::worldOf(const DialPoint& p) const {
    const double sinD = std::sin(D), cosD = std::cos(D), sinR = std::sin(R), cosR = std::cos(R);
    return {p.x * cosD + p.y * sinD * sinR, -p.x * sinD + p.y * cosD * sinR, p.y * cosR};
}

DialPoint PlaneGeometry::dialOf(const WorldPoint& w) const {
    const double sinD = std::sin(D), cosD = std::cos(D), sinR = std::sin(R), cosR = std::cos(R);
    return {w.X * cosD - w.Y * sinD, (w.X * sinD + w.Y * cosD) * sinR + w.Z * cosR};
}

namespace {

// The declinations the sun reaches in a year, tried from one end to the other in steps of about
// a quarter of a degree.
constexpr double kYearDeclinationDeg = 23.45;
constexpr int kDeclinationSteps = 188;

// Whether the sun of hour angle H (equinoctial sun e) stands above the horizon and on the side
// of the tip for some declination of the year.
bool litInTheYear(const PlaneGeometry& g, const WorldPoint& e, double pi) {
    const WorldPoint pole{0, std::cos(g.phi), std::sin(g.phi)};
    for (int i = 0; i <= kDeclinationSteps; ++i) {
        const double decl =
            (-kYearDeclinationDeg + 2 * kYearDeclinationDeg * i / kDeclinationSteps) * pi / 180;
        const double c = std::cos(decl), s = std::sin(decl);
        const WorldPoint sun{c * e.X + s * pole.X, c * e.Y + s * pole.Y, c * e.Z + s * pole.Z};
        const double inFront = sun.X * g.X0 + sun.Y * g.Y0 + sun.Z * g.Z0;
        if (sun.Z > 0 && inFront > 0) return true;
    }
    return false;
}

}  // namespace

LitHourLine::LitHourLine(const PlaneGeometry& g, double H, double pi,
                         bool extensionDrawnElsewhere)
    : g_(g), e_{std::sin(H), -std::cos(H) * std::sin(g.phi), std::cos(H) * std::cos(g.phi)} {
    // The equinoctial sun of H + 180 is -e.
    keepsExtension_ =
        !extensionDrawnElsewhere && litInTheYear(g, WorldPoint{-e_.X, -e_.Y, -e_.Z}, pi);
}

bool LitHourLine::keeps(const DialPoint& p) const {
    if (keepsExtension_) return true;
    const WorldPoint P = g_.worldOf(p);
    return (g_.X0 - P.X) * e_.X + (g_.Y0 - P.Y) * e_.Y + (g_.Z0 - P.Z) * e_.Z >= 0;
}

void storeStyleElevation(shell::Module1& m, const PlaneGeometry& g) {
    const double s = std::cos(g.phi) * std::cos(g.R) * std::cos(g.D) -
                     std::sin(g.phi) * std::sin(g.R);
    numeric::assignOrSkip(m.StyleElevRad, [&] { return shell::ArcSin(m, numeric::clampRoundedSine(s)); });
}

double conicEccentricity(const PlaneGeometry& g, double delta) {
    const double c = numeric::clampRoundedSine(
        std::cos(g.R) * (std::cos(g.phi) * std::cos(g.D) - std::sin(g.phi) * std::tan(g.R)));
    return checkedDiv(numeric::checkedSqrt(1 - c * c), std::sin(delta));
}

void storeDeclinationEccentricities(shell::Module1& m) {
    const PlaneGeometry g = PlaneGeometry::from(m);
    auto store = [&](double& target, double degrees) {
        numeric::assignOrSkip(target, [&] { return conicEccentricity(g, degrees * m.Pi / 180); });
    };
    store(m.ZodiacLimit2345, 23.45);
    store(m.ZodiacLimit20, 20);
    store(m.ZodiacLimit115, 11.5);
}

}  // namespace dials::flat3d
