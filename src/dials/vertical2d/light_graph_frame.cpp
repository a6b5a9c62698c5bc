// The geometry the light graph's procedures share: the substyle frame and the shadow of the
// style tip for a given sun.

#include <cmath>

#include "dials/vertical2d/light_graph_procedures.h"
#include "numeric/checked.h"

namespace dials::vertical2d::light {

SubstyleFrame SubstyleFrame::from(const shell::Module1& m) {
    SubstyleFrame f;
    f.L = m.StyleLength;
    f.e = m.StyleElevRad;
    f.s = m.SubstyleRad;
    f.P = m.StyleLength * std::tan(m.StyleElevRad);
    return f;
}

DialPoint SubstyleFrame::toDial(double d, double q) const {
    return {q * std::cos(s) - d * std::sin(s), d * std::cos(s) + q * std::sin(s)};
}

LineEquation SubstyleFrame::line(double alongD, double alongQ, double c) const {
    // d = y cos s - x sin s, q = x cos s + y sin s.
    const double sinS = std::sin(s), cosS = std::cos(s);
    return {alongQ * cosS - alongD * sinS, alongD * cosS + alongQ * sinS, c};
}

LineEquation SubstyleFrame::hourLine(double H, double K) const {
    // The direction (cos H, -sin e sin H) from the centre (K L / tan e, 0); written in this form
    // it holds for every H, the line perpendicular to the substyle (H = +-90 degrees) included.
    return line(std::sin(e) * std::sin(H), std::cos(H), K * L * std::cos(e) * std::sin(H));
}

Wall::Wall(double latRad, double declRad, double styleLength)
    : sinPhi_(std::sin(latRad)),
      cosPhi_(std::cos(latRad)),
      sinD_(std::sin(declRad)),
      cosD_(std::cos(declRad)),
      L_(styleLength) {}

Wall Wall::from(const shell::Module1& m) { return Wall(m.LatRad, m.WallDeclRad, m.StyleLength); }

std::optional<WallShadow> Wall::shadow(double hourAngle, double declination) const {
    // World frame: x east, y north, z up; the face of the wall looks towards
    // n = (-sin D, -cos D, 0), its dial x runs along (cos D, -sin D, 0) and its dial y upward.
    // The sun, from the point of the equator on the meridian, the west point and the pole:
    const double cosDecl = std::cos(declination), sinDecl = std::sin(declination);
    const double sx = -cosDecl * std::sin(hourAngle);
    const double sy = -cosDecl * std::cos(hourAngle) * sinPhi_ + sinDecl * cosPhi_;
    const double sz = cosDecl * std::cos(hourAngle) * cosPhi_ + sinDecl * sinPhi_;
    const double facing = -sx * sinD_ - sy * cosD_;
    try {
        // The tip L n, moved back along the sun's line until it meets the wall.
        const double reach = numeric::checkedDiv(L_, facing);
        const DialPoint at{numeric::checkFinite(-reach * (sx * cosD_ - sy * sinD_)),
                           numeric::checkFinite(-reach * sz)};
        return WallShadow{at, facing > 0};
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

LineEquation Wall::withinSixHours(double hourAngle) const {
    // The sun's line from a point to the tip leans towards the equator's point of hourAngle,
    // (-sin H, -cos H sin phi, cos H cos phi) in the frame of shadow().
    const double sinH = std::sin(hourAngle), cosH = std::cos(hourAngle);
    return {-cosD_ * sinH + sinD_ * cosH * sinPhi_, cosH * cosPhi_,
            L_ * (sinD_ * sinH + cosD_ * cosH * sinPhi_)};
}

}  // namespace dials::vertical2d::light
