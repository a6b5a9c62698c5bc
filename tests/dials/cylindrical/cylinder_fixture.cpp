#include "cylinder_fixture.h"

#include <cctype>
#include <cmath>
#include <optional>

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

testing::AssertionResult allCastByRealSuns(const oracle::CylinderOracle& o,
                                           const std::vector<oracle::DialXY>& points,
                                           const std::string& what) {
    for (const oracle::DialXY& p : points)
        if (!o.castByRealSun(p.x, p.y))
            return testing::AssertionFailure()
                   << what << ": the point (" << p.x << ", " << p.y << ") is cast by no real sun"
                   << (o.reachable(p.x) ? " (above the tip's level)" : " (the shadow cannot reach it)");
    return testing::AssertionSuccess();
}

testing::AssertionResult onTheHourHalves(const oracle::CylinderOracle& o, double H,
                                         const std::vector<oracle::DialXY>& points,
                                         bool otherHalfDrawn) {
    for (const oracle::DialXY& p : points) {
        // Which half: the points lie on the cut (the distance checks see to that), so the sun's
        // hour angle is H or H + 180, but for the point where the polar axis meets the surface.
        const oracle::CylSun cast = o.sunAt(p.x, p.y);
        if (std::fabs(cast.sun.declination) > 90 - 1e-4) continue;
        if (std::fabs(oracle::foldDegrees(cast.sun.hourAngle - H)) < 90) continue;
        if (!otherHalfDrawn && cast.aboveHorizon && std::fabs(cast.sun.declination) <= 23.45 + 1e-6)
            continue;
        return testing::AssertionFailure()
               << "hour " << H << ": the point (" << p.x << ", " << p.y
               << ") is the shadow of the sun at H " << cast.sun.hourAngle << ", decl "
               << cast.sun.declination;
    }
    return testing::AssertionSuccess();
}

double substyleHourAngle(const Cylinder& c, const oracle::Sky& sky) {
    // A wall facing due east or west: the six o'clock of the sun in front of it.
    if (std::fabs(c.decl) == 90) return c.decl;
    return sky.deg(std::atan(std::tan(sky.rad(c.decl)) / std::sin(sky.rad(c.lat))));
}

testing::AssertionResult onItsOwnHalf(const oracle::CylinderOracle& o, double n, bool italian,
                                      const std::vector<oracle::DialXY>& points) {
    for (const oracle::DialXY& p : points) {
        const oracle::HourDecl sun = o.sunAt(p.x, p.y).sun;
        // A sun that only touches the horizon (or a pole of the sky) is of both halves.
        const std::optional<double> sunset = o.sky().sunsetHourAngle(sun.declination);
        if (!sunset || std::fabs(std::sin(o.sky().rad(*sunset))) < 1e-3) continue;
        if (std::fabs(sun.declination) > 89.9) continue;
        const std::optional<double> hour =
            italian ? o.sky().italianHourOf(sun.hourAngle, sun.declination)
                    : o.sky().babylonianHourOf(sun.hourAngle, sun.declination);
        if (!hour) continue;
        if (std::fabs(std::remainder(*hour - n, 24)) < 1e-5) continue;
        return testing::AssertionFailure()
               << (italian ? "Italian " : "Babylonian ") << n << ": the point (" << p.x << ", "
               << p.y << ") is the shadow of the sun of hour " << *hour << " (H "
               << sun.hourAngle << ", decl " << sun.declination << ")";
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult onSomeOwnHalf(const oracle::CylinderOracle& o, oracle::DialXY p,
                                       double first, bool italian, double tolerance) {
    for (double n = first; n <= first + 12; ++n)
        if (o.distanceToItalianLine(n, p.x, p.y) <= tolerance && onItsOwnHalf(o, n, italian, {p}))
            return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the point (" << p.x << ", " << p.y << ") lies on no "
           << (italian ? "Italian" : "Babylonian") << " line from " << first
           << " on, on the half of its own hour";
}

testing::AssertionResult onTheStripAboutTheFoot(const oracle::CylinderOracle& o,
                                                const std::vector<oracle::DialXY>& points) {
    // The programmes turn with the stored Pi, a hair more than a half turn.
    const double halfTurn = o.radius() * std::acos(-1.0) * (1 + 1e-9);
    for (const oracle::DialXY& p : points)
        if (!(std::fabs(p.x) <= halfTurn))
            return testing::AssertionFailure()
                   << "the point (" << p.x << ", " << p.y << ") lies beyond half a turn ("
                   << halfTurn << " m) from the foot's generatrix";
    return testing::AssertionSuccess();
}

bool anywhere(oracle::DialXY) { return true; }

Shown shownOn(const plot::PlotSurface& plot, double uLimit) {
    const double left = -plot.ShiftX() + 1e-3, right = plot.QuadranteL() - plot.ShiftX() - 1e-3;
    const double top = -plot.ShiftY() + 1e-3, bottom = plot.QuadranteH() - plot.ShiftY() - 1e-3;
    return [=](oracle::DialXY p) {
        return p.x > left && p.x < right && -p.y > top && -p.y < bottom && std::fabs(p.x) < uLimit;
    };
}

bool everySun(oracle::HourDecl) { return true; }

std::size_t realShadowsOf(const oracle::CylinderOracle& o,
                          const std::vector<oracle::HourDecl>& suns, const Shown& shown,
                          const Carried& carried) {
    std::size_t count = 0;
    for (const oracle::HourDecl& s : suns) {
        const auto p = o.dialPoint(s.hourAngle, s.declination);
        if (!p || !(o.sky().altitude(s.hourAngle, s.declination) > 0) || !shown(*p)) continue;
        if (!carried(s)) continue;
        ++count;
    }
    return count;
}

std::vector<oracle::HourDecl> sunsOfDeclination(double declinationDeg) {
    std::vector<oracle::HourDecl> suns;
    for (int H = -180; H < 180; ++H) suns.push_back({double(H), declinationDeg});
    return suns;
}

std::vector<oracle::HourDecl> sunsOfItalianHour(const oracle::Sky& sky, double n, bool italian) {
    std::vector<oracle::HourDecl> suns;
    for (int d = -23; d <= 23; ++d) {
        const std::optional<double> H =
            italian ? sky.italianHourAngle(n, d) : sky.babylonianHourAngle(n, d);
        if (H) suns.push_back({*H, double(d)});
    }
    return suns;
}

std::vector<oracle::HourDecl> sunsOfHour(double hourAngleDeg) {
    std::vector<oracle::HourDecl> suns;
    for (int d = -23; d <= 23; ++d) suns.push_back({hourAngleDeg, double(d)});
    return suns;
}

void expectDrawnWhereCast(std::size_t drawn, std::size_t castAnywhere, std::size_t castShown,
                          const std::string& what) {
    if (castAnywhere == 0) {
        EXPECT_EQ(drawn, 0u) << what;
    }
    expectDrawnWhereShown(drawn, castShown, what);
}

void expectDrawnWhereShown(std::size_t drawn, std::size_t castShown, const std::string& what) {
    if (castShown >= 20) {
        EXPECT_GT(drawn, 2u) << what;
    }
}

std::vector<double> noonShadowAbscissae(const oracle::CylinderOracle& o) {
    std::vector<double> south, north;
    for (double decl = -23.45; decl <= 23.45 + 1e-9; decl += 0.05) {
        // The sun at noon, and at midnight (north of the zenith, above the horizon only north
        // of the polar circle).
        for (double H : {0.0, 180.0}) {
            if (o.sky().altitude(H, decl) <= 0) continue;
            const auto p = o.dialPoint(H, decl);
            if (!p) continue;
            std::vector<double>& side = H == 0 && decl < o.sky().latitude() ? south : north;
            if (side.empty()) side.push_back(p->x);
        }
    }
    south.insert(south.end(), north.begin(), north.end());
    return south;
}

void expectNoonGeneratrices(const oracle::CylinderOracle& o, const Drawing& d, double primary) {
    const std::vector<double> expected = noonShadowAbscissae(o);
    const std::vector<dialtest::Segment> lines = d.segmentsWithColour(colourOf(4));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].a.x, expected[i], 1e-9);
        EXPECT_EQ(lines[i].a.x, lines[i].b.x);
    }
    if (!expected.empty()) {
        EXPECT_NEAR(primary, expected.front(), 1e-9);
    }
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
