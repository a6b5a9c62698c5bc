#include "cylinder_fixture.h"

#include <cctype>
#include <cmath>

#include "support/oracle_checks.h"

namespace cyltest {

using dialtest::number;

std::string describe(const Cylinder& c) {
    return "lat " + number(c.lat) + ", decl " + number(c.decl) +
           (c.convex ? ", convex" : ", concave") + ", radius " + number(c.radius) + ", style " +
           number(c.style);
}

void PrintTo(const Cylinder& c, std::ostream* out) { *out << describe(c); }

std::string cylinderName(const testing::TestParamInfo<Cylinder>& info) {
    const Cylinder& c = info.param;
    std::string s = std::string(c.convex ? "convex" : "concave") + "_lat" + number(c.lat) +
                    "_decl" + number(c.decl);
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

Settings typedCylinder(const Cylinder& c) {
    return {{"txtLAT", number(c.lat)},
            {"txtDecl", number(c.decl)},
            {"txtRadius", number(c.radius)},
            {"txtStilo", number(c.style)},
            {c.convex ? "Option3D2" : "Option3D1", "1"}};
}

Settings only(const std::vector<std::string>& boxes) {
    Settings settings;
    for (const char* box :
         {"chkOreAstronomiche", "ck_DayLightCurves", "ck_Lemniscate", "ck_Equinoziale",
          "ck_Sustilare", "ck_Triangolo", "ck_orizzonte", "ck_Italiche", "ck_babiloniche",
          "Ck_Section", "ck_Etna"})
        settings.emplace_back(box, "0");
    for (const std::string& box : boxes) settings.emplace_back(box, "1");
    return settings;
}

Settings typedCylinder(const Cylinder& c, bool boxesOff) {
    Settings s = typedCylinder(c);
    if (boxesOff) {
        const Settings off = only({});
        s.insert(s.end(), off.begin(), off.end());
    }
    return s;
}

oracle::CylinderOracle CylinderDial::oracle() const {
    return oracle::CylinderOracle(cylinder_.lat, cylinder_.decl, cylinder_.convex,
                                  cylinder_.radius, cylinder_.style);
}

bool meridianCutsSection(const Cylinder& c, const oracle::CylinderOracle& o) {
    const double tipFromAxis = c.convex ? c.radius + c.style : c.radius - c.style;
    return std::fabs(tipFromAxis * std::sin(o.sky().rad(c.decl))) < c.radius;
}

testing::AssertionResult allWithin(const std::vector<oracle::DialXY>& points,
                                   const std::function<double(oracle::DialXY)>& distance,
                                   const std::string& what, double tolerance) {
    const oracle::Misses miss = oracle::missesOf(
        points.size(), [&](std::size_t i) { return distance(points[i]); }, tolerance);
    if (miss.count == 0) return testing::AssertionSuccess();
    const oracle::DialXY& p = points[miss.worst];
    return testing::AssertionFailure()
           << what << ": " << miss.count << " of " << points.size()
           << " points off their curve; worst (" << p.x << ", " << p.y << ") by "
           << miss.worstError;
}

}  // namespace cyltest
