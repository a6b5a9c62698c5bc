#include "dials/vertical2d/wall_frame.h"

#include "numeric/failure.h"

namespace dials::vertical2d {

Wall::Wall(double phi, double declination, double styleLength)
    : phi_(phi),
      styleLength_(styleLength),
      face_(Face::declining(declination, 0)),
      tip_(styleLength * face_.out) {}

Wall Wall::northernMirror(const shell::Module1& m) {
    // The programme's declination is east positive; the physical one of the northern wall is
    // west positive, and a southern dial is the mirror image of a northern one.
    return Wall(m.LatRad * m.WorkFlag, -m.WallDeclRad * m.WorkFlag, m.StyleLength);
}

Wall Wall::lightGraph(const shell::Module1& m) {
    return Wall(m.LatRad, m.WallDeclRad, m.StyleLength);
}

std::optional<WallShadow> Wall::shadow(double hourAngle, double declination) const {
    const Vec3 s = sun(hourAngle, declination);
    // A sun in the plane of the wall (up to the stored Pi's residue) casts no point on it.
    if (face_.meetsAtInfinity(s)) return std::nullopt;
    try {
        const DialPoint at = face_.shadow(styleLength_, s);
        return WallShadow{at, facing(s) > 0, casts(s, at)};
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

LineEquation Wall::planeThroughTip(const Vec3& normal) const {
    return {dot(face_.right, normal), dot(face_.up, normal), dot(tip_, normal)};
}

}  // namespace dials::vertical2d
