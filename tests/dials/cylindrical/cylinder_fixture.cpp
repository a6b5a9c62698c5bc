#include "cylinder_fixture.h"

#include <cctype>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "numeric/step_loop.h"
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

bool reachesOrGrazes(const oracle::CylinderOracle& o, double u) {
    return o.reachable(u) || (o.convex() && std::fabs(u) < o.reach() + 1e-9);
}

testing::AssertionResult allCastByRealSuns(const oracle::CylinderOracle& o,
                                           const std::vector<oracle::DialXY>& points,
                                           const std::string& what) {
    for (const oracle::DialXY& p : points)
        if (!reachesOrGrazes(o, p.x) || !(p.y < -1e-12))
            return testing::AssertionFailure()
                   << what << ": the point (" << p.x << ", " << p.y << ") is cast by no real sun"
                   << (reachesOrGrazes(o, p.x) ? " (not below the tip's level)"
                                               : " (the shadow cannot reach it)");
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

Shown shownOn(const plot::PlotSurface& plot, double uLimit, double inset) {
    const double left = -plot.ShiftX() + inset, right = plot.QuadranteL() - plot.ShiftX() - inset;
    const double top = -plot.ShiftY() + inset, bottom = plot.QuadranteH() - plot.ShiftY() - inset;
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
        if (!p || !(o.sky().altitude(s.hourAngle, s.declination) > kOnTheHorizonDeg) ||
            !shown(*p))
            continue;
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

std::vector<NoonShadows> noonShadows(const oracle::CylinderOracle& o) {
    std::vector<NoonShadows> south, north;
    // The declinations from one solstice to the other, both included.
    for (int k = 0; k <= 938; ++k) {
        const double decl = -23.45 + 0.05 * k;
        // The sun at noon, and at midnight (north of the zenith, above the horizon only north
        // of the polar circle).
        for (double H : {0.0, 180.0}) {
            if (!(o.sky().altitude(H, decl) > kOnTheHorizonDeg)) continue;
            const auto p = o.dialPoint(H, decl);
            if (!p) continue;
            std::vector<NoonShadows>& side = H == 0 && decl < o.sky().latitude() ? south : north;
            if (side.empty()) side.push_back({p->x, {}});
            side.front().heights.push_back(p->y);
        }
    }
    south.insert(south.end(), north.begin(), north.end());
    return south;
}

void expectNoonLineOverItsShadows(const Segment& line, const std::vector<double>& heights,
                                  double bottom, double top) {
    // The shadows a step of the declination apart lie up to 2 mm apart on the line; the line's
    // ends, from the tangent of the extreme altitudes, agree with the model's shadows to 1e-7 m.
    constexpr double kGrid = 2e-3;
    const double low = std::fmin(line.a.y, line.b.y), high = std::fmax(line.a.y, line.b.y);
    double lowest = top, highest = bottom;
    bool below = false, above = false;
    for (double y : heights) {
        below = below || y < bottom;
        above = above || y >= top;
        if (y < bottom || y >= top) continue;
        EXPECT_TRUE(y >= low - 1e-7 && y <= high + 1e-7)
            << "the noon shadow at height " << y << " is off the line from " << low << " to "
            << high;
        lowest = std::fmin(lowest, y);
        highest = std::fmax(highest, y);
    }
    if (below) {
        EXPECT_NEAR(low, bottom, 1e-9);
    } else {
        EXPECT_NEAR(low, lowest, kGrid);
    }
    if (above) {
        EXPECT_NEAR(high, top, 1e-9);
    } else {
        EXPECT_NEAR(high, highest, kGrid);
    }
}

void expectNoonGeneratrices(const oracle::CylinderOracle& o, const Drawing& d, double primary,
                            const plot::PlotSurface& plot) {
    const std::vector<NoonShadows> all = noonShadows(o);
    if (!all.empty()) {
        EXPECT_NEAR(primary, all.front().x, 1e-9);
    }
    const double left = -plot.ShiftX(), right = plot.QuadranteL() - plot.ShiftX();
    const double top = plot.ShiftY(), bottom = plot.ShiftY() - plot.QuadranteH();
    std::vector<NoonShadows> shown;
    for (const NoonShadows& g : all) {
        if (!(g.x >= left && g.x < right)) continue;
        for (double y : g.heights)
            if (y >= bottom && y < top) {
                shown.push_back(g);
                break;
            }
    }
    const std::vector<dialtest::Segment> lines = d.segmentsWithColour(colourOf(4));
    ASSERT_EQ(lines.size(), shown.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].a.x, shown[i].x, 1e-9);
        EXPECT_EQ(lines[i].a.x, lines[i].b.x);
        expectNoonLineOverItsShadows(lines[i], shown[i].heights, bottom, top);
    }
}

testing::AssertionResult laidWithinTheStep(const oracle::CylinderOracle& o,
                                           const std::vector<oracle::HourDecl>& suns,
                                           const std::vector<oracle::DialXY>& points,
                                           const Shown& shown, const Carried& carried,
                                           double step, const std::string& what,
                                           std::size_t* checked) {
    std::size_t looked = 0;
    for (const oracle::HourDecl& s : suns) {
        const auto p = o.dialPoint(s.hourAngle, s.declination);
        if (!p || !(o.sky().altitude(s.hourAngle, s.declination) > kOnTheHorizonDeg) ||
            !shown(*p) || !carried(s) || !o.castByRealSun(p->x, p->y))
            continue;
        ++looked;
        // A point on the back generatrix may stand at either end of the strip.
        const double turn = 2 * std::acos(-1.0) * o.radius();
        double nearest = std::numeric_limits<double>::infinity();
        for (const oracle::DialXY& q : points) {
            const double du = std::fabs(p->x - q.x);
            nearest = std::fmin(nearest, std::hypot(std::fmin(du, std::fabs(du - turn)), p->y - q.y));
        }
        if (!(nearest <= step))
            return testing::AssertionFailure()
                   << what << ": the shadow of H " << s.hourAngle << ", decl " << s.declination
                   << " at (" << p->x << ", " << p->y << ") lies " << nearest
                   << " m from the nearest point drawn, more than the step " << step;
    }
    if (checked) *checked = looked;
    return testing::AssertionSuccess();
}

double nearestShadow(const AnalemmaShadow& shadowOn, oracle::DialXY p, double from, double to) {
    auto distanceAt = [&](double T) {
        const auto q = shadowOn(T);
        return q ? oracle::distance(*q, p) : std::numeric_limits<double>::infinity();
    };
    const int steps = std::max(64, static_cast<int>((to - from) / 0.01));
    double best = std::numeric_limits<double>::infinity(), bestT = from;
    for (int i = 0; i <= steps; ++i) {
        const double T = from + (to - from) * i / steps;
        const double d = distanceAt(T);
        if (d < best) best = d, bestT = T;
    }
    const double h = (to - from) / steps;
    // Where the shadows end beside the nearest (a line may run into its end as the square root
    // of its parameter, faster than the search below follows), the end itself.
    for (const double out : {std::max(from, bestT - h), std::min(to, bestT + h)}) {
        if (!std::isinf(distanceAt(out))) continue;
        double in = bestT, beyond = out;
        for (int i = 0; i < 80; ++i) {
            const double T = in + (beyond - in) / 2;
            (std::isinf(distanceAt(T)) ? beyond : in) = T;
        }
        best = std::fmin(best, distanceAt(in));
    }
    double a = std::max(from, bestT - h), b = std::min(to, bestT + h);
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 100; ++i) {
        const double c = b - g * (b - a), e = a + g * (b - a);
        if (distanceAt(c) < distanceAt(e))
            b = e;
        else
            a = c;
    }
    return std::fmin(best, distanceAt((a + b) / 2));
}

testing::AssertionResult drawsTheAnalemma(const std::vector<oracle::DialXY>& drawn,
                                          const AnalemmaShadow& shadowOn, const Shown& onDial,
                                          double first, double last, double step,
                                          double tolerance, double spacing) {
    std::vector<double> days;
    for (double T : numeric::StepRange(first, last, step)) {
        const auto at = shadowOn(T);
        if (at && onDial(*at)) days.push_back(T);
    }
    std::size_t next = 0;
    double from = first;
    for (const oracle::DialXY& p : drawn) {
        if (next < days.size()) {
            const auto q = shadowOn(days[next]);
            if (q && oracle::distance(*q, p) <= tolerance) {
                from = days[next++];
                continue;
            }
        }
        const double to = next < days.size() ? days[next] : last;
        const double off = nearestShadow(shadowOn, p, from, to);
        if (!(off <= tolerance))
            return testing::AssertionFailure()
                   << "the point (" << p.x << ", " << p.y << ") drawn between the days " << from
                   << " and " << to << " lies " << off << " m from their shadows";
    }
    if (next < days.size())
        return testing::AssertionFailure()
               << "the shadow of day " << days[next] << " is not drawn (" << next << " of "
               << days.size() << " days drawn, " << drawn.size() << " points)";
    for (double T : numeric::StepRange(first, last, step / 20)) {
        const auto at = shadowOn(T);
        if (!at || !onDial(*at)) continue;
        double nearest = std::numeric_limits<double>::infinity();
        for (const oracle::DialXY& q : drawn) nearest = std::fmin(nearest, oracle::distance(*at, q));
        if (!(nearest <= spacing))
            return testing::AssertionFailure()
                   << "the shadow of day " << T << " at (" << at->x << ", " << at->y << ") lies "
                   << nearest << " m from the nearest point drawn, more than the step "
                   << spacing;
    }
    return testing::AssertionSuccess();
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
