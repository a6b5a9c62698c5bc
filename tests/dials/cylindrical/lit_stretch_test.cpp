// Every cylinder programme lays the whole lit part of each of its lines within the plot area,
// measured from the true line of the shadow models (the cylinder and the parabolic oracle),
// sampled far finer than any programme samples: a stretch that begins and ends between two of
// the programme's samples (a day just inside the convex limit, or the polar day), or that runs
// from where a line ends to beyond the plot area, is drawn as any other; every end of a lit
// stretch within the plot area (the horizon, the day the sun stops setting, the far half of an
// hour plane at the solstice, the shadow leaving the surface) is laid, and a line that turns
// back is joined at the turn; and no point of a line is drawn that no sun casts (on the horizon,
// or on a face the sun is behind).

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cylinder_fixture.h"
#include "projective_fixture.h"
#include "support/oracle_checks.h"
#include "support/parabolic_oracle.h"

namespace {

using cyltest::Cylinder;
using oracle::DialXY;
using oracle::HourDecl;
using oracle::Vec3;

enum class Family { Declination, Hours, Italian, Babylonian, Equinoctial, Temporary };

struct Row {
    const char* programme;
    Cylinder cylinder;
    Family family;
    int definition = 5;
};

void PrintTo(const Row& r, std::ostream* out) {
    const char* families[] = {"declination lines", "hours",       "Italian hours",
                              "Babylonian hours",  "equinoctial", "temporary hours"};
    *out << r.programme << " " << cyltest::describe(r.cylinder) << ", "
         << families[static_cast<int>(r.family)] << ", Definition " << r.definition;
}

// A line: the sun at the parameter t (degrees) from..to, none where the programme keeps no sun
// of it, and the plane or cone its suns lie on (how far a unit sun is off it).
struct TrueLine {
    std::string what;
    std::function<std::optional<HourDecl>(double)> sun;
    double from, to;
    std::function<double(const Vec3&)> off;
};

// Where a real sun casts the tip's shadow on the dial, as the programme lays it: `at` where the
// plot area shows it. `edge` where the line stops at no end of its own: the shadow falls beyond
// the area's edges. Where it misses the surface beyond where it grazes it, the line ends there.
struct Shadow {
    std::optional<DialXY> at;
    bool edge = false;
};

// What the programme can show of a shadow, and the sun of a drawn point.
struct Model {
    std::function<Shadow(const HourDecl&)> litShadow;
    std::function<Vec3(DialXY)> sunOf;
    double turn;  // a strip of one turn wraps its ends; 0 for none
    // Whether a real sun casts a drawn point: its face lit, the shadow reaching it.
    std::function<bool(DialXY)> cast;
};

bool isSpherical(const Row& r) { return std::string(r.programme) == "mnuCCs"; }

// Whether the ray from the parabolic dial's tip away from the sun meets the section within
// `margin` of the samples X from..to the programme sweeps: a quick look before the oracle
// develops the section up to the shadow, which takes long far off.
bool nearTheSamples(const oracle::ParabolicOracle& po, const Cylinder& c, const Vec3& sun,
                    double from, double to, double margin) {
    // T - t sun on the section: side x^2 / (2p) = north.
    const Vec3 T = po.tip();
    const double side = c.convex ? 1 : -1;
    const double a = side * sun.x * sun.x / (2 * c.radius);
    const double b = -side * T.x * sun.x / c.radius + sun.y;
    const double k = po.sectionNorth(T.x) - T.y;
    const double disc = b * b - 4 * a * k;
    if (disc < 0) return false;
    const double q = -(b + std::copysign(std::sqrt(disc), b)) / 2;
    for (const double t : {a != 0 ? q / a : -1.0, q != 0 ? k / q : -1.0}) {
        const double X = T.x - t * sun.x - po.foot().x;
        if (t > 0 && X > from - margin && X < to + margin) return true;
    }
    return false;
}

std::vector<TrueLine> linesOf(const Row& r, const oracle::Sky& sky) {
    const std::string p = r.programme;
    const Vec3 pole = sky.pole();
    std::vector<TrueLine> lines;
    auto byDeclination = [&](double d) {
        // Round the clock: the sun rises and sets within it, where its line ends.
        lines.push_back({"declination " + rundial::number(d),
                         [d](double H) { return std::optional<HourDecl>({H, d}); }, -180, 180,
                         [pole, d, &sky](const Vec3& s) {
                             return std::fabs(dot(s, pole) - std::sin(sky.rad(d)));
                         }});
    };
    const double last = isSpherical(r) ? 23.44 : 23.45;
    // A line of the suns of the hour angle hourAngle(d) on the days of declination d, -to..to.
    auto ofHour = [&](std::string what, auto off, auto hourAngle, double to) {
        lines.push_back({what,
                         [hourAngle](double d) -> std::optional<HourDecl> {
                             const std::optional<double> H = hourAngle(d);
                             if (!H) return std::nullopt;
                             return HourDecl{*H, d};
                         },
                         -to, to, off});
    };
    auto offPlane = [](const Vec3& normal) -> std::function<double(const Vec3&)> {
        return [normal](const Vec3& s) { return std::fabs(dot(s, normal)); };
    };
    // The suns of the hour plane of H by their angle from the pole: the own half (the suns of
    // H, every declination) from 0 to 180 degrees, the far half (H + 180) of the suns of the
    // year from 0 to -180, or the whole far half where it is an hour line drawn (six o'clock).
    auto ofHourPlane = [&](double H, bool wholeFarHalf) {
        const Vec3 e = sky.sun(H, 0);
        lines.push_back({"hour plane " + rundial::number(H),
                         [&sky, pole, e, wholeFarHalf](double theta) -> std::optional<HourDecl> {
                             if (theta < 0 && !wholeFarHalf &&
                                 !(std::fabs(90 + theta) <= 23.45))
                                 return std::nullopt;
                             return sky.hourDeclOf(std::cos(sky.rad(theta)) * pole +
                                                   std::sin(sky.rad(theta)) * e);
                         },
                         -180, 180, offPlane(unit(cross(pole, e)))});
    };
    switch (r.family) {
        case Family::Declination: {
            std::vector<double> ds = {23.45, 20.001, 11.5001};
            if (p == "M_CILINDRICI") ds = {23.45, 20.001, 11.501};
            if (p == "M_Param") ds = {23.45, 20.01, 11.501};
            if (isSpherical(r)) ds = {23.445, 20.01, 11.501, -23.445, -20.001, -11.5001};
            for (const double d : ds) byDeclination(d);
            if (!isSpherical(r))
                for (const double d : ds) byDeclination(-d);
            break;
        }
        case Family::Hours:
            // True noon and midnight are the noon generatrix but in the spherical programme,
            // which draws each hour through the year; the others draw the hours from 6 to 18,
            // each with the real suns of its plane's far half (the two six o'clock lines share
            // one plane).
            for (double H = -172.5; H < 180; H += 7.5)
                if (isSpherical(r))
                    ofHour("hour " + rundial::number(H), offPlane(unit(cross(pole, sky.sun(H, 0)))),
                           [H](double) { return std::optional<double>(H); }, last);
                else if (H != 0 && H > -90 && H <= 90)
                    ofHourPlane(H, H == 90);
            break;
        case Family::Italian:
        case Family::Babylonian: {
            const bool italian = r.family == Family::Italian;
            const int first = italian ? (isSpherical(r) ? 5 : 12) : 1;
            const int lastHour = italian ? 23 : (isSpherical(r) ? 18 : 12);
            // The spherical programme draws the days of the year, the others every day the sun
            // rises and sets.
            const double to = isSpherical(r) ? last : 90 - sky.latitude();
            for (int n = first; n <= lastHour; ++n)
                ofHour((italian ? "Italian " : "Babylonian ") + std::to_string(n),
                       offPlane(italian ? sky.italianCircleNormal(n)
                                        : sky.babylonianCircleNormal(n)),
                       [&sky, n, italian](double d) {
                           return italian ? sky.italianHourAngle(n, d)
                                          : sky.babylonianHourAngle(n, d);
                       },
                       to);
            break;
        }
        case Family::Equinoctial:
            byDeclination(0);
            break;
        case Family::Temporary:
            // The spherical programme's twelfths of the days of the year the sun rises and sets.
            for (int i = 1; i <= 12; ++i) {
                auto hourOf = [&sky, i](double d) -> std::optional<double> {
                    const std::optional<double> H0 = sky.sunsetHourAngle(d);
                    if (!H0) return std::nullopt;
                    return *H0 * (i / 6.0 - 1);
                };
                // How far a sun is off the line: from the day whose hour i falls at its hour
                // angle (tan delta = -cos H0 / tan phi), which keeps its digits where the line
                // runs fast across the days, up to the day the sun stops setting.
                ofHour("temporary " + std::to_string(i),
                       [&sky, i](const Vec3& s) {
                           const HourDecl h = sky.hourDeclOf(s);
                           if (i == 6) return std::fabs(sky.rad(h.hourAngle));
                           const double H0 = sky.rad(h.hourAngle) / (i / 6.0 - 1);
                           const double day = std::atan(-std::cos(H0) /
                                                        std::tan(sky.rad(sky.latitude())));
                           return std::fabs(sky.rad(h.declination) - day);
                       },
                       hourOf, last);
            }
            break;
    }
    return lines;
}

// The line laid wherever its true line is lit and shown, sampled every 0.02 degree and finer
// where it runs fast or ends. Every point of it has a drawn point of the line within half the
// programme's spacing, so that none of it lies between two points a spacing apart, also where it
// turns back (within the spacing next to the plot area's edges, short of which the last point
// laid inside the area may stop). Every end of a lit stretch within the area has a drawn point
// within a hundredth of the spacing: far under a step, and far over the millionth of the spacing
// each end is laid to.
testing::AssertionResult laysTheLitLine(const TrueLine& line, const Model& model,
                                        const std::vector<DialXY>& drawn, double spacing,
                                        const cyltest::Shown& awayFromEdges) {
    oracle::PointGrid grid(spacing);
    for (const DialXY& q : drawn) {
        const Vec3 sun = model.sunOf(q);
        // The mark of the style's foot is no point of a line.
        if (!(line.off(sun) < 1e-7) || (q.x == 0 && q.y == 0)) continue;
        // A point of the line is cast by a sun above the horizon (by more than the rounding
        // between the programme's sun and the model's, a tenth of the 1e-9 the programme keeps).
        if (!(sun.z > 1e-10) || !model.cast(q))
            return testing::AssertionFailure()
                   << line.what << ": (" << rundial::number(q.x) << ", " << rundial::number(q.y)
                   << ") is drawn where no sun casts it";
        grid.add(q);
    }
    auto toDrawn = [&](DialXY p) {
        double nearest = std::numeric_limits<double>::infinity();
        for (const double shift : {0.0, model.turn, -model.turn})
            if (const auto q = grid.nearest({p.x + shift, p.y}))
                nearest = std::fmin(nearest, oracle::distance(*q, {p.x + shift, p.y}));
        return nearest;
    };
    auto at = [&](double t) {
        const std::optional<HourDecl> s = line.sun(t);
        return s ? model.litShadow(*s) : Shadow{};
    };
    std::optional<std::string> miss;
    auto expectWithin = [&](DialXY p, double tolerance, const char* what) {
        if (!miss && !(toDrawn(p) <= tolerance))
            miss = std::string(what) + " (" + rundial::number(p.x) + ", " + rundial::number(p.y) +
                   ") has no point drawn within " + rundial::number(tolerance);
    };
    std::function<void(double, Shadow, double, Shadow, int)> check = [&](double a, Shadow pa,
                                                                         double b, Shadow pb,
                                                                         int depth) {
        if (miss || depth > 24 || (!pa.at && !pb.at)) return;
        if (!pa.at || !pb.at) {
            // The end between them, and the lit part up to it.
            const bool litFirst = pa.at.has_value();
            double u = a, v = b;
            Shadow pu = pa, pv = pb;
            for (int k = 0; k < 60; ++k) {
                const double t = u + (v - u) / 2;
                const Shadow mid = at(t);
                if (mid.at.has_value() == litFirst) u = t, pu = mid;
                else v = t, pv = mid;
            }
            if (!(litFirst ? pv : pu).edge)
                expectWithin(*(litFirst ? pu : pv).at, spacing / 100, "the end of a lit stretch");
            return litFirst ? check(a, pa, u, pu, depth) : check(v, pv, b, pb, depth);
        }
        if (oracle::distance(*pa.at, *pb.at) < spacing / 4) return;
        const double t = (a + b) / 2;
        const Shadow pt = at(t);
        if (pt.at)
            expectWithin(*pt.at, awayFromEdges(*pt.at) ? 0.51 * spacing : spacing, "the lit point");
        check(a, pa, t, pt, depth + 1);
        check(t, pt, b, pb, depth + 1);
    };
    Shadow previous;
    for (int k = 0; line.from + 0.02 * k <= line.to && !miss; ++k) {
        const double t = line.from + 0.02 * k;
        const Shadow p = at(t);
        if (p.at) expectWithin(*p.at, awayFromEdges(*p.at) ? 0.51 * spacing : spacing,
                               "the lit point");
        if (k > 0) check(t - 0.02, previous, t, p, 0);
        previous = p;
    }
    if (!miss) return testing::AssertionSuccess();
    return testing::AssertionFailure() << line.what << ": " << *miss;
}

class LitStretches : public testing::TestWithParam<Row> {};

TEST_P(LitStretches, AreLaidWholeWhereTheyAreShown) {
    const Row& r = GetParam();
    const Cylinder& c = r.cylinder;
    const char* boxes[] = {"ck_DayLightCurves", "chkOreAstronomiche", "ck_Italiche",
                           "ck_babiloniche",    "ck_Equinoziale",     "ckTemp"};
    cyltest::Settings settings = cyltest::only({boxes[int(r.family)]});
    settings.emplace_back("txt_Definition", std::to_string(r.definition));
    cyltest::CylinderDial dial(r.programme, c, settings);
    ASSERT_TRUE(dial.run());
    const plot::PlotSurface& plot = dial.surface();
    const cyltest::Shown inArea = cyltest::shownOn(plot);
    const std::string p = r.programme;
    // The Definition's point step: kPointStep at the design-time 5.
    const double spacing =
        isSpherical(r) ? dialtest::kLineStep : dialtest::kPointStep * r.definition / 5;
    Model model;
    oracle::CylinderOracle o = dial.oracle();
    oracle::ParabolicOracle po(c.lat, c.decl, c.convex, c.radius, c.style);
    const bool parabolic = p == "M_Parabolico";
    const oracle::Sky& sky = parabolic ? po.sky() : o.sky();
    const cyltest::Carried carried = cylprojtest::carriedByTangentPlane(o);
    // A sun casts a shadow above the horizon, not on it: by more than 1e-9 of its upward
    // component, what the stored Pi leaves of an exact zero. An end a line reaches as the square
    // root of its parameter (an hour of a day the sun only just rises) lies far from where a
    // wider margin would put it.
    auto aboveTheHorizon = [&](const HourDecl& s) {
        return sky.sun(s.hourAngle, s.declination).z > 1e-9;
    };
    if (parabolic) {
        // The samples X from the foot that the programme sweeps.
        const double lastX = r.family == Family::Hours ? 1.5 : 1;
        model.litShadow = [&, lastX](const HourDecl& s) -> Shadow {
            if (!aboveTheHorizon(s)) return {};
            if (!nearTheSamples(po, c, sky.sun(s.hourAngle, s.declination), -1, lastX, 1e-3))
                return {};
            const auto q = po.shadow(s.hourAngle, s.declination);
            if (!q || !po.castByRealSun(*q, -1e-9)) return {};
            const double X = po.surfacePoint(*q).x - po.foot().x;
            if (!(X > -1 + 1e-9 && X < lastX - 1e-9)) return {};
            if (!inArea(*q)) return {std::nullopt, true};
            return {q};
        };
        model.sunOf = [&](DialXY q) { return unit(po.tip() - po.surfacePoint(q)); };
        model.turn = 0;
        model.cast = [&](DialXY q) { return po.castByRealSun(q, 1e-9); };
    } else {
        model.litShadow = [&](const HourDecl& s) -> Shadow {
            if (!aboveTheHorizon(s)) return {};
            const auto q = o.dialPoint(s.hourAngle, s.declination);
            if (!q || !o.castByRealSun(q->x, q->y) || (c.convex && !(std::fabs(q->x) < o.reach())))
                return {};
            // The 3D programme unrolls a quarter turn each way, the projective one the rays it
            // carries across the plane tangent at the foot.
            if (p == "M_CILINDRICI" && !(std::fabs(q->x) < o.radius() * oracle::kStoredPi / 2))
                return {};
            if (p == "mnuCircp" && !carried(s)) return {};
            if (!inArea(*q)) return {std::nullopt, true};
            return {q};
        };
        model.sunOf = [&](DialXY q) { return unit(o.tip() - o.surfacePoint(q.x, q.y)); };
        model.turn = 2 * oracle::kStoredPi * c.radius;
        model.cast = [&](DialXY q) { return cyltest::reachesOrGrazes(o, q.x) && q.y <= 1e-12; };
    }
    const std::vector<DialXY> drawn = dial.drawing().at();
    const cyltest::Shown awayFromEdges =
        cyltest::shownOn(plot, std::numeric_limits<double>::infinity(), spacing + 1e-3);
    for (const TrueLine& line : linesOf(r, sky))
        EXPECT_TRUE(laysTheLitLine(line, model, drawn, spacing, awayFromEdges));
}

// Where a lit stretch lay between two of the programme's samples without a point, or between one
// without a point and one beyond the plot area (up to 1.4 m of a line), in every programme, or
// between the horizon and the plot area's side (a corner of a few millimetres); walls whose
// lines were whole, beside them. Then where a line stopped up to a step short of an end the
// programme did not know (the horizon, the day the sun stops setting, the far half of an hour
// plane at the solstice) or knew and laid without drawing (the horizon met at a shallow angle),
// where a declination line turning back on a wide cylinder left centimetres between its branches
// or went into the plot area and out again between two samples metres apart, and where a line
// of the spherical programme ended short of its polar day. Then where a convex spherical
// cylinder's line stopped up to half a millimetre short of where its shadow grazes the surface
// (its suns a rounding of the stored Pi off those the end was named for, or a temporary hour's
// end not named), or laid a point the stored Pi's residue beyond it. Then walls next to the
// equator, whose declination lines stopped short of the horizon by their last lit stretch.
std::vector<Row> rows() {
    const Family D = Family::Declination, H = Family::Hours, I = Family::Italian,
                 B = Family::Babylonian, E = Family::Equinoctial, T = Family::Temporary;
    return {
        {"M_CILINDRICI", {10, 150, false, 0.25, 0.35}, D},
        {"M_CILINDRICI", {10.74, 117.89, false, 0.81, 0.49}, D},
        {"M_CILINDRICI", {20.05, 111.59, true, 0.64, 0.84}, D},
        {"M_CILINDRICI", {45, 20, false, 0.5, 0.2}, H},
        {"M_CILINDRICI", {70, 150, true, 0.5, 0.25}, I},
        {"M_CILINDRICI", {63.08, -124.84, false, 1.21, 0.48}, I},
        {"M_Param", {19.59, 166.12, false, 0.86, 0.15}, D},
        {"M_Param", {17.71, 60.02, false, 0.91, 0.79}, D},
        {"M_Param", {66.55, 45, true, 0.5, 0.21}, B},
        {"M_Param", {71.94, -17.28, false, 0.65, 0.87}, H},
        {"M_Param", {77.2, -132.97, false, 0.5, 0.55}, D},
        {"mnuCCs", {70, 150, true, 0.5, 0.25}, I},
        {"mnuCCs", {87.59, 133.29, true, 1.24, 0.85}, I},
        {"mnuCCs", {89.29, 20.96, true, 1.31, 0.35}, B},
        {"mnuCCs", {78.3, -91.63, true, 1.46, 0.49}, B},
        {"mnuCCs", {20, 45, false, 0.25, 0.35}, D},
        {"mnuCCs", {45, 110, true, 0.5, 0.35}, H},
        {"mnuCircp", {11.24, 136.69, true, 0.5, 0.08}, D},
        {"mnuCircp", {40, 70, true, 0.1, 0.35}, B},
        {"mnuCircp", {7.04, 96.55, false, 0.13, 0.67}, H},
        {"mnuCircp", {7.04, 96.55, false, 0.13, 0.67}, I},
        {"mnuCircp", {0.5, 45, true, 0.5, 0.2}, I},
        {"M_Parabolico", {18.45, 41.05, false, 0.66, 0.3}, D},
        {"M_Parabolico", {17.71, 60.02, false, 0.91, 0.79}, D},
        {"M_Parabolico", {70, -30, true, 0.25, 0.2}, I},
        {"M_Parabolico", {45, 60, true, 0.1, 0.35}, H},
        {"M_Parabolico", {70.8564, 56.3665, false, 0.1236, 0.1165}, H},
        {"M_Parabolico", {70.8564, 56.3665, false, 0.1236, 0.1165}, H, 10},
        {"M_Parabolico", {42.3206, -59.5805, false, 41.8991, 0.0302}, H, 6},
        {"M_Parabolico", {20.9691, -29.8458, false, 252.5216, 0.5649}, I},
        {"M_Parabolico", {21.3563, -19.7728, false, 14.0739, 0.021}, D, 10},
        {"M_CILINDRICI", {78.6228, 54.5928, true, 1.0535, 0.3046}, B},
        {"M_CILINDRICI", {2.8959, 158.884, true, 1.5308, 0.2281}, I, 10},
        {"M_CILINDRICI", {83.0558, -171.218, false, 140.189, 0.6732}, H, 10},
        {"M_CILINDRICI", {44.4472, 82.3306, false, 0.8818, 0.0382}, E, 8},
        {"M_Param", {10, 150, true, 200, 0.5}, D},
        {"M_Param", {10, 150, true, 1999, 0.5}, D},
        {"M_CILINDRICI", {10, 150, true, 1999, 0.5}, D},
        {"mnuCircp", {10, 150, false, 1999, 0.5}, D},
        {"M_Parabolico", {10, 50, false, 1999, 0.5}, D},
        {"M_Param", {88.9397, 42.3621, true, 1607.97, 0.1299}, D, 7},
        {"M_Param", {2.8959, 158.884, true, 1.5308, 0.2281}, B, 10},
        {"mnuCircp", {64.0199, 83.9952, false, 13.7155, 1.9857}, B, 10},
        {"mnuCircp", {46.2005, -98.3056, true, 3.8593, 0.0355}, H, 9},
        {"mnuCircp", {38.2059, -152.268, false, 3.4197, 0.1813}, E, 9},
        {"mnuCCs", {70.6017, 72.9662, true, 7.9978, 0.1159}, T},
        {"mnuCCs", {46.2005, -98.3056, true, 3.8593, 0.0355}, I, 9},
        {"mnuCCs", {13.861, -163.0966, true, 23.0916, 0.0115}, I, 1},
        {"mnuCCs", {24.0568, -152.7757, true, 14.6067, 0.0158}, B, 6},
        {"mnuCCs", {14.7706, -89.7454, true, 1.5721, 0.0245}, D, 4},
        {"mnuCCs", {25.5085, -29.3716, true, 3.8897, 0.0814}, E, 9},
        {"mnuCCs", {2.8046, -157.4243, true, 6.2301, 0.016}, T, 1},
        {"M_CILINDRICI", {0.01, 0, false, 0.5, 0.2}, D},
        {"mnuCircp", {0.01, -120, true, 0.5, 0.2}, D},
    };
}

INSTANTIATE_TEST_SUITE_P(Cylinders, LitStretches, testing::ValuesIn(rows()));

}  // namespace
