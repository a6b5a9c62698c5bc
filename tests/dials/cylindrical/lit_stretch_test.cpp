// Every cylinder programme lays the whole lit part of each of its lines within the plot area,
// measured from the true line of the shadow models (the cylinder and the parabolic oracle),
// sampled far finer than any programme samples: a stretch that begins and ends between two of
// the programme's samples (a day just inside the convex limit, or the polar day), or that runs
// from where a line ends to beyond the plot area, is drawn as any other.

#include <cmath>
#include <functional>
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

enum class Family { Declination, Hours, Italian, Babylonian };

struct Row {
    const char* programme;
    Cylinder cylinder;
    Family family;
};

void PrintTo(const Row& r, std::ostream* out) {
    const char* families[] = {"declination lines", "hours", "Italian hours", "Babylonian hours"};
    *out << r.programme << " " << cyltest::describe(r.cylinder) << ", "
         << families[static_cast<int>(r.family)];
}

// A line: the sun at the parameter t (degrees) from..to, and the plane or cone its suns lie on
// (how far a unit sun is off it).
struct TrueLine {
    std::string what;
    std::function<std::optional<HourDecl>(double)> sun;
    double from, to;
    std::function<double(const Vec3&)> off;
};

// What the programme can show of a shadow, and the sun of a drawn point.
struct Model {
    std::function<std::optional<DialXY>(const HourDecl&)> litShadow;
    std::function<Vec3(DialXY)> sunOf;
    double turn;  // a strip of one turn wraps its ends; 0 for none
};

bool isSpherical(const Row& r) { return std::string(r.programme) == "mnuCCs"; }

std::vector<TrueLine> linesOf(const Row& r, const oracle::Sky& sky) {
    const std::string p = r.programme;
    const Vec3 pole = sky.pole();
    std::vector<TrueLine> lines;
    auto byDeclination = [&](double d) {
        // From sunrise to sunset.
        const double H0 = sky.sunsetHourAngle(d).value_or(sky.altitude(180, d) > 0 ? 180 : 0);
        lines.push_back({"declination " + rundial::number(d),
                         [d](double H) { return std::optional<HourDecl>({H, d}); }, -H0, H0,
                         [pole, d, &sky](const Vec3& s) {
                             return std::fabs(dot(s, pole) - std::sin(sky.rad(d)));
                         }});
    };
    const double last = isSpherical(r) ? 23.44 : 23.45;
    auto ofHour = [&](std::string what, const Vec3& normal, auto hourAngle) {
        lines.push_back({what,
                         [hourAngle](double d) -> std::optional<HourDecl> {
                             const std::optional<double> H = hourAngle(d);
                             if (!H) return std::nullopt;
                             return HourDecl{*H, d};
                         },
                         -last, last,
                         [normal](const Vec3& s) { return std::fabs(dot(s, normal)); }});
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
            // True noon and midnight are the noon generatrix but in the spherical programme; the
            // others draw the hours from 6 to 18.
            for (double H = -172.5; H < 180; H += 7.5)
                if (isSpherical(r) || (H != 0 && std::fabs(H) <= 90))
                    ofHour("hour " + rundial::number(H), unit(cross(pole, sky.sun(H, 0))),
                           [H](double) { return std::optional<double>(H); });
            break;
        case Family::Italian:
        case Family::Babylonian: {
            const bool italian = r.family == Family::Italian;
            const int first = italian ? (isSpherical(r) ? 5 : 12) : 1;
            const int lastHour = italian ? 23 : (isSpherical(r) ? 18 : 12);
            for (int n = first; n <= lastHour; ++n)
                ofHour((italian ? "Italian " : "Babylonian ") + std::to_string(n),
                       italian ? sky.italianCircleNormal(n) : sky.babylonianCircleNormal(n),
                       [&sky, n, italian](double d) {
                           return italian ? sky.italianHourAngle(n, d)
                                          : sky.babylonianHourAngle(n, d);
                       });
            break;
        }
    }
    return lines;
}

// The line laid wherever its true line is lit and shown: every point of it, sampled every
// 0.01 degree and finer where it runs fast or ends, has a drawn point of the line within the
// programme's spacing.
testing::AssertionResult laysTheLitLine(const TrueLine& line, const Model& model,
                                        const std::vector<DialXY>& drawn, double spacing) {
    oracle::PointGrid grid(spacing);
    for (const DialXY& q : drawn)
        if (line.off(model.sunOf(q)) < 1e-7) grid.add(q);
    auto covered = [&](DialXY p) {
        for (const double shift : {0.0, model.turn, -model.turn}) {
            const auto q = grid.nearest({p.x + shift, p.y});
            if (q && oracle::distance(*q, {p.x + shift, p.y}) <= spacing) return true;
        }
        return false;
    };
    auto at = [&](double t) -> std::optional<DialXY> {
        const std::optional<HourDecl> s = line.sun(t);
        return s ? model.litShadow(*s) : std::nullopt;
    };
    std::optional<DialXY> miss;
    std::function<void(double, std::optional<DialXY>, double, std::optional<DialXY>, int)> check =
        [&](double a, std::optional<DialXY> pa, double b, std::optional<DialXY> pb, int depth) {
            if (miss || depth > 24 || (pa && pb && oracle::distance(*pa, *pb) < spacing / 4) ||
                (!pa && !pb))
                return;
            const double t = (a + b) / 2;
            const std::optional<DialXY> pt = at(t);
            if (pt && !covered(*pt)) miss = pt;
            check(a, pa, t, pt, depth + 1);
            check(t, pt, b, pb, depth + 1);
        };
    std::optional<DialXY> previous;
    for (int k = 0; line.from + 0.01 * k <= line.to && !miss; ++k) {
        const double t = line.from + 0.01 * k;
        const std::optional<DialXY> p = at(t);
        if (p && !covered(*p)) miss = p;
        if (k > 0) check(t - 0.01, previous, t, p, 0);
        previous = p;
    }
    if (!miss) return testing::AssertionSuccess();
    return testing::AssertionFailure() << line.what << ": the lit point (" << miss->x << ", "
                                       << miss->y << ") has no point drawn within " << spacing;
}

class LitStretches : public testing::TestWithParam<Row> {};

TEST_P(LitStretches, AreLaidWholeWhereTheyAreShown) {
    const Row& r = GetParam();
    const Cylinder& c = r.cylinder;
    const char* boxes[] = {"ck_DayLightCurves", "chkOreAstronomiche", "ck_Italiche",
                           "ck_babiloniche"};
    cyltest::CylinderDial dial(r.programme, c, cyltest::only({boxes[int(r.family)]}));
    ASSERT_TRUE(dial.run());
    const plot::PlotSurface& plot = dial.surface();
    const cyltest::Shown inArea = cyltest::shownOn(plot);
    const std::string p = r.programme;
    const double spacing = isSpherical(r) ? dialtest::kLineStep : dialtest::kPointStep;
    Model model;
    oracle::CylinderOracle o = dial.oracle();
    oracle::ParabolicOracle po(c.lat, c.decl, c.convex, c.radius, c.style);
    const bool parabolic = p == "M_Parabolico";
    const oracle::Sky& sky = parabolic ? po.sky() : o.sky();
    const cyltest::Carried carried = cylprojtest::carriedByTangentPlane(o);
    if (parabolic) {
        // The samples X from the foot that the programme sweeps.
        const double lastX = r.family == Family::Hours ? 1.5 : 1;
        model.litShadow = [&, lastX](const HourDecl& s) -> std::optional<DialXY> {
            if (!(sky.altitude(s.hourAngle, s.declination) > 1e-3)) return std::nullopt;
            const auto q = po.shadow(s.hourAngle, s.declination);
            if (!q || !inArea(*q) || !po.castByRealSun(*q, -1e-6))
                return std::nullopt;
            const double X = po.surfacePoint(*q).x - po.foot().x;
            if (!(X > -1 + 1e-6 && X < lastX - 1e-6)) return std::nullopt;
            return q;
        };
        model.sunOf = [&](DialXY q) { return unit(po.tip() - po.surfacePoint(q)); };
        model.turn = 0;
    } else {
        model.litShadow = [&](const HourDecl& s) -> std::optional<DialXY> {
            if (!(sky.altitude(s.hourAngle, s.declination) > 1e-3)) return std::nullopt;
            const auto q = o.dialPoint(s.hourAngle, s.declination);
            if (!q || !inArea(*q) || !o.castByRealSun(q->x, q->y))
                return std::nullopt;
            // The convex limit, where the shadow grazes the surface, is the programme's to draw
            // or not; the 3D programme unrolls a quarter turn each way, the projective one the
            // rays it carries across the plane tangent at the foot.
            if (c.convex && !(std::fabs(q->x) < o.reach() - 1e-4)) return std::nullopt;
            if (p == "M_CILINDRICI" && !(std::fabs(q->x) < o.radius() * oracle::kStoredPi / 2))
                return std::nullopt;
            if (p == "mnuCircp" && !carried(s)) return std::nullopt;
            return q;
        };
        model.sunOf = [&](DialXY q) { return unit(o.tip() - o.surfacePoint(q.x, q.y)); };
        model.turn = 2 * oracle::kStoredPi * c.radius;
    }
    const std::vector<DialXY> drawn = dial.drawing().at();
    for (const TrueLine& line : linesOf(r, sky))
        EXPECT_TRUE(laysTheLitLine(line, model, drawn, spacing));
}

// Where a lit stretch lay between two of the programme's samples without a point, or between one
// without a point and one beyond the plot area (up to 1.4 m of a line), in every programme, or
// between the horizon and the plot area's side (a corner of a few millimetres); and
// walls whose lines were whole, beside them.
std::vector<Row> rows() {
    const Family D = Family::Declination, H = Family::Hours, I = Family::Italian,
                 B = Family::Babylonian;
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
    };
}

INSTANTIATE_TEST_SUITE_P(Cylinders, LitStretches, testing::ValuesIn(rows()));

}  // namespace
