// The equivalent vertical dial of an inclined or horizontal plane: the place (latitude f1,
// longitude difference lambda) at which the same plane is a vertical wall, and the wall's
// declination d1 there.

#include <cmath>
#include <optional>
#include <string>

#include "geometry/face.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/technical_data_list.h"
#include "numeric/tolerance.h"

namespace shell::technical_data {

namespace {

using numeric::sgn;

struct Equivalent {
    double latitude = 0;     // f1, radians
    double declination = 0;  // d1, radians
    double longitude = 0;    // lambda, radians
    bool atPole = false;     // f1 is +-90 degrees: there is no d1 nor lambda
};

// Planes facing due south or due north (declination 0 or 180), whose declination and longitude
// difference follow from the plane's position alone.
std::optional<Equivalent> meridianPlane(const Module1& m, double e) {
    const double R = m.ReclRad, lat = m.LatRad, pi = m.Pi;
    const auto both = [](double d1, double lambda) {
        return std::optional<Equivalent>(Equivalent{0, d1, lambda});
    };
    if (R > 0 && m.DeclDecimal == 0) return e < 0 ? both(0, 0) : both(pi, pi);
    if (R > 0 && m.DeclDecimal == 180 && e > 0) {
        const double s = lat - R;
        if (s > 0) return both(pi, 0);
        if (s < 0) return both(0, 0);
    }
    if (R <= 0 && m.DeclDecimal == 0 && e < 0) {
        const double s = lat + R;
        return s > 0 ? both(0, 0) : both(pi, 0);
    }
    if (R <= 0 && m.DeclDecimal == 180) {
        const double s = lat - R;
        if (s < pi / 2) return both(pi, 0);
        if (s > pi / 2) return both(0, pi);
    }
    return std::nullopt;
}

// Whether the equivalent vertical dial stands at a pole: the plane's line of greatest slope runs
// along the polar axis (the axis has no component across the plane nor out of it, up to the
// stored Pi's residue), as on a polar plane facing due south or north or on the horizontal plane
// at the equator. Every wall there holds the axis; none has a declination, nor the place a
// longitude.
bool atThePole(const DataList& list) {
    const geometry::Face face = list.face();
    return face.meetsAtInfinity(geometry::celestialPole(list.m.LatRad)) &&
           std::fabs(face.substyleDirection(list.m.LatRad).x) <= numeric::kStoredPiResidue;
}

// The place of the equivalent vertical dial is the one whose zenith is the plane's line of
// greatest slope (up): its latitude f1 is the elevation of up over the equator, pole . up, the
// substyle direction's component along up.
Equivalent equivalentVertical(DataList& list) {
    using numeric::checkedDiv;
    Module1& m = list.m;
    const double D = m.WallDeclRad, R = m.ReclRad, lat = m.LatRad;
    const geometry::Face face = list.face();
    const double up = face.substyleDirection(lat).y;
    if (atThePole(list)) {
        m.AnalemmaObliquityDeg = sgn(up) * m.Pi / 2;
        return Equivalent{m.AnalemmaObliquityDeg, 0, 0, true};
    }
    const double f1 = ArcSin(m, numeric::clampRoundedSine(up));
    m.AnalemmaObliquityDeg = f1;
    const double e = ArcSin(m, numeric::clampRoundedSine(face.polarElevationSine(lat)));

    if (auto special = meridianPlane(m, e)) {
        special->latitude = f1;
        return *special;
    }
    double lambda = -std::atan(checkedDiv(
                        std::sin(D), checkedDiv(std::cos(lat), std::tan(R)) - std::cos(D) * std::sin(lat))) *
                    sgn(R);
    if (sgn(std::sin(lambda)) == sgn(std::sin(D))) lambda = sgn(D) * (std::fabs(lambda) - m.Pi);
    // On a plane facing due south or north that no row of the table takes (reclined beyond the
    // vertical), the cosine is +-1 up to rounding, which may carry it a hair past; such a
    // rounding is taken as the +-1 it stands for.
    const double cosine = numeric::clampRoundedSine(
        sgn(f1) * checkedDiv(std::cos(R) * std::sin(f1) - std::sin(lat), std::cos(f1) * std::sin(R)));
    const double d1 = sgn(D) * ArcCos(m, cosine);
    return Equivalent{f1, d1, lambda};
}

const std::string kNoneAtThePole = "none at the pole";

void writeHorizontalPlane(DataList& list) {
    const Module1& m = list.m;
    list.plot.setForeColor(numeric::rgb(235, 105, 18));
    list.line("Equivalent vertical dial :");
    list.line("latitude f1 =  " + rounded(list.deg(m.Pi / 2 - m.LatRad), 5));
    list.line("declination d1 =  " + (atThePole(list) ? kNoneAtThePole : plain(180)));
    list.line("reclination =  0");
    list.line("ordinate of horizon =  inf. ");
    list.line("height of the style  =  " + plain(list.deg(m.LatRad)));
}

void writeInclinedPlane(DataList& list) {
    Module1& m = list.m;
    const int hs = m.HemisphereSign;
    const Equivalent eq = equivalentVertical(list);
    list.line("");
    list.plot.setForeColor(numeric::rgb(235, 105, 18));
    list.line("Equivalent vertical dial :");
    list.line("latitude f1 =  " + rounded(list.deg(eq.latitude), 5));
    list.line("declination d1 =  " +
              (eq.atPole ? kNoneAtThePole : rounded(list.deg(hs * eq.declination), 5)));
    list.line("reclination =  0");
    const double lambda = numeric::roundHalfEven(list.deg(hs * eq.longitude), 5) * sgn(m.ReclRad);
    list.line("longitude lambda =  " + (eq.atPole ? kNoneAtThePole : plain(lambda)));
    list.line("click off analemma");
    list.line("click on SM time");
    list.line("select ST Zone = 0");
}

}  // namespace

bool writeEquivalentVertical(DataList& list) {
    Module1& m = list.m;
    if (m.ReclDeg == 0) return true;
    m.ReclRad = list.rad(m.ReclDeg);
    if (!list.planeProgramme()) return true;

    if (std::fabs(m.ReclDeg) == 90) {
        writeHorizontalPlane(list);
    } else if (std::fabs(m.LatAbsDeg) == 90) {
        // At the pole every plane through the polar axis is vertical: no equivalent dial,
        // and the list ends here.
        return false;
    } else {
        writeInclinedPlane(list);
    }
    list.plot.setForeColor(numeric::rgb(255, 255, 255));
    return true;
}

}  // namespace shell::technical_data
