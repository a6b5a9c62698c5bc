// The tip's shadow on a circular cylinder: offsets of vertical lines from the tip, the reach of
// the shadow, the crossing of a vertical line with a cone of suns, the cut of a plane through the
// tip by heights, the half of the substyle's plane, the cuts of the meridian plane and the
// heights the noon shadows reach on them.

#include <cmath>
#include <limits>

#include "dials/cylindrical/cyl_geometry.h"
#include "geometry/face.h"
#include "numeric/fold.h"
#include "numeric/tolerance.h"

namespace dials::cylindrical {

CylinderShadow CylinderShadow::from(const shell::Module1& m) {
    CylinderShadow g;
    g.R = m.Radius;
    g.s = m.SideSign;
    g.L = m.StyleLength;
    g.D = m.WallDeclRad;
    g.phi = m.LatRad;
    return g;
}

Vec3 CylinderShadow::towardsTipFromGeneratrix(double psi) const {
    // From the generatrix to the tip: (c - s R cos psi) along f, R sin psi back along e.
    const double along = L + s * R - s * R * std::cos(psi);
    const double across = -R * std::sin(psi);
    return {-along * std::sin(D) + across * std::cos(D),
            -along * std::cos(D) - across * std::sin(D), 0};
}

Vec3 CylinderShadow::towardsTipFromTangentLine(double t) const {
    return {-L * std::sin(D) - t * std::cos(D), -L * std::cos(D) + t * std::sin(D), 0};
}

bool CylinderShadow::reaches(double psi) const {
    // The face's normal at psi against the offset to the tip.
    return (L + s * R) * std::cos(psi) - s * R > 0;
}

numeric::QuadraticRoots CylinderShadow::coneCrossings(const Vec3& h, double delta) const {
    // The sun (h, -y) makes the angle 90 - delta with the pole (0, cos phi, sin phi):
    // (h_n cos phi - y sin phi)^2 = sin^2 delta (|h|^2 + y^2). The leading coefficient
    // sin^2 phi - sin^2 delta is taken as a product of sines, exactly 0 at phi = delta.
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi), sinDelta = std::sin(delta);
    const double a = std::sin(phi + delta) * std::sin(phi - delta);
    const double b = -2 * h.y * cosPhi * sinPhi;
    const double c = h.y * h.y * cosPhi * cosPhi -
                     sinDelta * sinDelta * (h.x * h.x + h.y * h.y);
    const numeric::QuadraticRoots heights = numeric::stableQuadraticRoots(a, b, c);
    if (heights.any() || a == 0) return heights;
    // Where the vertical line passes on a vertical plane touching the cone (verticalsTouchingCone)
    // up to the digits of its turn (1e-10 of h), the two heights meet at -b / 2a. The turn of a
    // generatrix is known to its last digit only: on a wide cylinder that leaves the discriminant
    // at the turn a rounding below zero, and the two branches ending micrometres apart.
    for (const Vec3& normal : verticalsTouchingCone(phi, delta))
        if (std::fabs(dot(h, normal)) <= 1e-10 * length(h)) return {-b / (2 * a), -b / (2 * a)};
    return heights;
}

std::optional<double> CylinderShadow::turnOfPlaneAt(const Vec3& normal, double y, double pi,
                                                    bool first) const {
    // Across the face (e) and along it (f) at the foot; from the generatrix psi to the tip the
    // offset is (L + s R - s R cos psi) f - R sin psi e, which the plane wants to equal up * y
    // along the normal: s R nf cos psi + R ne sin psi = nf (L + s R) - up y.
    const double nf = -normal.x * std::sin(D) - normal.y * std::cos(D);
    const double ne = normal.x * std::cos(D) - normal.y * std::sin(D);
    const double a = s * R * nf, b = R * ne;
    const double rho = std::hypot(a, b);
    if (!(rho > 0)) return std::nullopt;
    const double k = (nf * (L + s * R) - normal.z * y) / rho;
    if (!(std::fabs(k) <= 1)) return std::nullopt;
    const double psi0 = std::atan2(b, a), spread = std::acos(k);
    if (spread == 0 && !first) return std::nullopt;
    return turnOnStrip(first ? psi0 - spread : psi0 + spread, pi);
}

std::vector<double> CylinderShadow::reachLimitTurns() const {
    // (L + s R) cos psi = s R where the face turns away from the tip.
    const double c = L + s * R;
    if (c == 0) return {};
    const double q = s * R / c;
    if (!(std::fabs(q) < 1)) return {};
    const double psi = std::acos(q);
    return {-psi, psi};
}

std::vector<double> CylinderShadow::coneTouchingTurns(double delta, double pi) const {
    std::vector<double> turns;
    for (const Vec3& normal : verticalsTouchingCone(phi, delta)) {
        const std::vector<double> atTipLevel = horizonTurns(normal, pi);
        turns.insert(turns.end(), atTipLevel.begin(), atTipLevel.end());
    }
    return turns;
}

std::vector<double> CylinderShadow::shadowTurns(const std::vector<Vec3>& suns, double pi) const {
    std::vector<double> turns;
    for (const Vec3& sun : suns)
        // On the vertical plane through the tip along the sun, the generatrix before the tip.
        for (const double psi : horizonTurns(Vec3{-sun.y, sun.x, 0}, pi))
            if (reaches(psi) && dot(towardsTipFromGeneratrix(psi), sun) > 0) turns.push_back(psi);
    return turns;
}

std::vector<double> CylinderShadow::horizonTurns(const Vec3& normal, double pi) const {
    std::vector<double> turns;
    for (const bool first : {true, false})
        if (const std::optional<double> psi = turnOfPlaneAt(normal, 0, pi, first))
            turns.push_back(*psi);
    return turns;
}

std::vector<Vec3> horizonSuns(const Vec3& normal) {
    const Vec3 level = cross(normal, Vec3{0, 0, 1});
    const double size = length(level);
    if (!(size > 0)) return {};
    return {(1 / size) * level, (-1 / size) * level};
}

std::vector<Vec3> risingAndSettingSuns(double phi, double delta) {
    // A sun on the horizon, (east, north, 0), has the declination delta where
    // north cos(phi) = sin(delta).
    const double cosPhi = std::cos(phi);
    if (!(std::fabs(cosPhi) > 0)) return {};
    const double north = std::sin(delta) / cosPhi;
    if (!(std::fabs(north) <= 1)) return {};
    const double east = std::sqrt(1 - north * north);
    return {{east, north, 0}, {-east, north, 0}, {east, -north, 0}, {-east, -north, 0}};
}

namespace {

// The suns of declination +delta and -delta in the plane with this normal: where the plane
// meets the two cones of those suns about the polar axis.
std::vector<Vec3> planeSunsOfDeclination(double phi, const Vec3& normal, double delta) {
    const Vec3 n = (1 / length(normal)) * normal, pole = celestialPole(phi);
    // The pole's direction within the plane, and the plane's direction square to it.
    const Vec3 towardsPole = pole - dot(pole, n) * n;
    const double r = length(towardsPole);
    if (!(r > 0)) return {};
    const Vec3 a = (1 / r) * towardsPole, b = cross(n, a);
    std::vector<Vec3> suns;
    for (const double sinDelta : {std::sin(delta), -std::sin(delta)}) {
        const double along = sinDelta / r;
        if (!(std::fabs(along) <= 1)) continue;
        const double across = std::sqrt(1 - along * along);
        suns.push_back(along * a + across * b);
        suns.push_back(along * a - across * b);
    }
    return suns;
}

}  // namespace

std::vector<Vec3> planeLineEndSuns(double phi, const Vec3& normal, const HourPlaneHalf& half,
                                   bool otherHalfKept, double pi) {
    std::vector<Vec3> suns = horizonSuns(normal);
    // The own half ends square to the equator's point of the line's hour.
    const Vec3 edge = cross(normal, equatorPoint(phi, half.hourAngle()));
    if (length(edge) > 0) suns.insert(suns.end(), {edge, -edge});
    if (otherHalfKept)
        for (const Vec3& sun : planeSunsOfDeclination(phi, normal, kSolsticeDeg * pi / 180))
            if (half.along(sun) < 0) suns.push_back(sun);
    return suns;
}

std::vector<Vec3> verticalsTouchingCone(double phi, double delta) {
    // The vertical plane of the horizontal direction d touches the cone (S . p)^2 =
    // sin^2 delta |S|^2 where (d . p)^2 = sin^2 delta - sin^2 phi, d . p = d_north cos phi.
    const double cosPhi = std::cos(phi);
    if (!(std::fabs(cosPhi) > 0)) return {};
    const double north2 = -std::sin(phi + delta) * std::sin(phi - delta) / (cosPhi * cosPhi);
    if (!(north2 >= 0 && north2 <= 1)) return {};
    const double north = std::sqrt(north2), east = std::sqrt(1 - north2);
    // The directions (east, +-north) and their normals in the horizontal plane.
    return {Vec3{-north, east, 0}, Vec3{north, east, 0}};
}

std::optional<double> planeHeightAt(const Vec3& normal, const Vec3& towardsTip) {
    // The point lies towardsTip short of the tip and y above it: n . (-h, y) = 0.
    if (normal.z == 0) return std::nullopt;
    const double y = (normal.x * towardsTip.x + normal.y * towardsTip.y) / normal.z;
    if (!std::isfinite(y)) return std::nullopt;
    return y;
}

bool standsUpright(const Vec3& normal) {
    return std::fabs(normal.z) <= numeric::kStoredPiResidue * length(normal);
}

double turnOnStrip(double turn, double pi) {
    return numeric::foldKeepingUpperEnd(turn, pi);
}

HourPlaneHalf substyleHalf(double phi, double D, double pi) {
    // A wall facing due east or west: its substyle is a six o'clock line, the half of the sun in
    // front of the wall (the noon side of its hour line, on the stored Pi, is one of rounding).
    const double hour = std::fabs(std::fabs(D) - pi / 2) <= numeric::kStoredPiResidue * pi / 180
                            ? std::copysign(pi / 2, D)
                            : Face::declining(D, 0).substyleHourLine(phi);
    return HourPlaneHalf(phi, hour, pi, false);
}

std::vector<Vec3> substyleEndSuns(double phi, const HourPlaneHalf& half, double pi) {
    return planeLineEndSuns(phi, hourPlaneNormal(phi, half.hourAngle()), half, true, pi);
}

std::optional<MeridianCut> meridianCut(const shell::Module1& m, bool north) {
    const double R = m.Radius, s = m.SideSign, L = m.StyleLength, D = m.WallDeclRad;
    if (!(R > 0)) return std::nullopt;
    const double c = L + s * R;
    // The plane lies c sin D west of the axis; it cuts the circle where north of the tip the
    // offset solves l^2 - 2 c cos D l + c^2 - R^2 = 0.
    const double across = c * std::sin(D);
    const double rad = R * R - across * across;
    if (!(rad > 0)) return std::nullopt;
    const double root = std::sqrt(rad);
    // North: concave the farther root (the ray leaves the section), convex the nearer; south
    // the same, mirrored.
    const double offset = north ? c * std::cos(D) - s * root : c * std::cos(D) + s * root;
    if (north ? !(offset > 0) : !(offset < 0)) return std::nullopt;
    MeridianCut cut;
    cut.offset = offset;
    cut.turn = std::atan2(-offset * std::sin(D), s * (c - offset * std::cos(D)));
    if (!std::isfinite(cut.turn)) return std::nullopt;
    return cut;
}

std::optional<MeridianCut> styleTriangleCut(const shell::Module1& m) {
    if (m.SideSign < 1) return meridianCut(m, true);
    const double facing = std::cos(m.WallDeclRad);
    if (facing == 0) return std::nullopt;
    return meridianCut(m, facing > 0);
}

NoonCuts noonShadowCuts(const shell::Module1& m) {
    const double solstice = kSolsticeDeg * m.Pi / 180;
    const double phi = m.LatRad, right = m.Pi / 2;
    NoonCuts cuts;
    // Some day's noon sun south of the zenith (declination below the latitude) and above the
    // horizon (above the latitude less a right angle); north of the zenith likewise. North of
    // the polar circle the midnight sun (hour angle 180 degrees, above the horizon when its
    // declination exceeds the colatitude) stands north as well: its shadow falls on the same
    // cut south of the tip.
    if (phi > -solstice && phi - right < solstice) cuts.north = meridianCut(m, true);
    const bool noonNorth = phi < solstice && phi + right > -solstice;
    const bool midnightSun = phi > right - solstice;
    if (noonNorth || midnightSun) cuts.south = meridianCut(m, false);
    return cuts;
}

std::optional<HeightSpan> noonShadowHeights(double phi, double distance, bool north, double pi) {
    const double solstice = kSolsticeDeg * pi / 180, right = pi / 2;
    // The altitudes of the suns that cast shadows on the line, as the least and the greatest
    // of the ranges of altitude of each kind of sun on its side.
    double lowest = right, highest = 0;
    auto add = [&](double low, double high) {
        low = std::fmax(low, 0);
        high = std::fmin(high, right);
        if (!(high > low)) return;
        lowest = std::fmin(lowest, low);
        highest = std::fmax(highest, high);
    };
    if (north) {
        // The noon sun south of the zenith, declination below the latitude: altitude
        // 90 - latitude + declination; the midnight sun of the south, -latitude - declination - 90.
        add(right - phi - solstice, right - phi + std::fmin(solstice, phi));
        add(0, -phi - right + solstice);
    } else {
        // The noon sun north of the zenith, declination above the latitude: altitude
        // 90 + latitude - declination; the midnight sun of the north, latitude + declination - 90.
        add(right + phi - solstice, right + phi - std::fmax(-solstice, phi));
        add(0, phi + solstice - right);
    }
    if (!(highest > lowest)) return std::nullopt;
    // A shadow lies distance tan(altitude) below the tip's level.
    HeightSpan span;
    span.top = -distance * std::tan(lowest);
    span.bottom = highest >= right ? -std::numeric_limits<double>::infinity()
                                   : -distance * std::tan(highest);
    if (!std::isfinite(span.top) || std::isnan(span.bottom)) return std::nullopt;
    return span;
}

}  // namespace dials::cylindrical
