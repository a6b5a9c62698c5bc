// The circular cylinder by spherical trigonometry, set up in-process by its own driver on the
// largest plot area, against the cylinder oracle: every line family, concave and convex, on walls
// facing every way (a declination typed as 200, the tropics, the equator, the midnight sun) draws
// in order exactly the shadows of its suns on the dial, whole to the drawing step; the numerals
// stand on them; the refusal, the worked example of the projection, the convex limit and
// cylinders that cast no shadow.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/plot_line.h"
#include "dials/sun_series.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"
#include "shell/refusal.h"
#include "support/cylinder_oracle.h"
#include "support/oracle_checks.h"
#include "cylinder_fixture.h"
#include "support/dial_fixture.h"

namespace {

namespace cyl = dials::cylindrical;
using numeric::StepRange;
using dialtest::kPi;

using cyltest::Cylinder;
using dialtest::colourOf;
using dialtest::DrawnPoint;

// The cylinders here default to a radius of 1 m and a style of 0.5 m.
Cylinder cylinder(double lat, double decl, bool convex, double radius = 1, double style = 0.5) {
    return {lat, decl, convex, radius, style};
}

// The astronomical hours, the daylight curves, the equinoctial and the substyle unticked, then
// the extra settings.
dialtest::Settings unticked(const dialtest::Settings& extra) {
    dialtest::Settings s = {{"chkOreAstronomiche", "0"},
                            {"ck_DayLightCurves", "0"},
                            {"ck_Equinoziale", "0"},
                            {"ck_Sustilare", "0"}};
    s.insert(s.end(), extra.begin(), extra.end());
    return s;
}

// Run once with no feature ticked on a plot area of 15 x 15 m, the foot 7.5 m from the left and
// 4 m from the top, so that the lines are seen far from the foot.
class CylSphDial : public cyltest::CylinderDial {
public:
    explicit CylSphDial(const Cylinder& c, const dialtest::Settings& extra = {})
        : CylinderDial("mnuCCs", c, unticked(extra)) {
        surface().setQuadranteL(15);
        surface().setQuadranteH(15);
        surface().setShiftX(7.5);
        surface().setShiftY(4);
        ran = run();
    }
    bool ran;
};

// A line of a family: its sun at the parameter t (degrees; none where the line has none there),
// the parameters the programme lays it at, its colour and what its parameter is. On a day round
// the clock (closed) the point of the last parameter is that of the first, not drawn again.
struct Line {
    enum class By { Declination, HourAngle, Day };
    std::function<std::optional<oracle::HourDecl>(double t)> sun;
    std::vector<double> at;
    int colour;
    By by;
    bool closed = false;
};

// The drawing is, line by line, the shadows of the suns at the parameters that fall on the dial
// (above the horizon, within the convex limit, inside the area), each within 1e-6 m and in its
// colour, and between two of them the points the curve sampler lays: shadows of suns of the
// line between the two, in its colour, no more than the drawing step apart wherever a sun
// between them falls on the dial. A sun within 1e-7 degrees of the horizon, or a point within
// 1e-9 m of the limit or the edge, may go either way; a point on the back generatrix may stand at
// either end of the strip. `checked` counts the shadows that had to be drawn.
testing::AssertionResult drawsTheShadowsOf(CylSphDial& dial, const dialtest::Drawing& d,
                                           const std::vector<Line>& lines,
                                           std::size_t* checked) {
    const oracle::CylinderOracle o = dial.oracle();
    const plot::PlotSurface& plot = dial.surface();
    auto inside = [&](const oracle::DialXY& p, double m) {
        return p.x > -plot.ShiftX() + m && p.x < plot.QuadranteL() - plot.ShiftX() - m &&
               -p.y > -plot.ShiftY() + m && -p.y < plot.QuadranteH() - plot.ShiftY() - m;
    };
    const double half = o.sky().pi() * o.radius();
    auto apart = [&](const oracle::DialXY& a, const oracle::DialXY& b) {
        double du = std::fabs(a.x - b.x);
        if (std::fabs(std::fabs(a.x) - half) < 1e-6) du = std::fmin(du, std::fabs(du - 2 * half));
        return std::hypot(du, a.y - b.y);
    };
    // The shadow of a sun where it may fall on the dial; `sure` where it surely does.
    struct Shadow {
        oracle::DialXY at;
        bool sure;
    };
    auto shadowOf = [&](const std::optional<oracle::HourDecl>& s) -> std::optional<Shadow> {
        const auto p = s ? o.dialPoint(s->hourAngle, s->declination) : std::nullopt;
        if (!p) return std::nullopt;
        const double altitude = o.sky().altitude(s->hourAngle, s->declination);
        const double limit = o.convex() ? o.reach() - std::fabs(p->x) : 1;
        if (!(altitude > -1e-7 && limit > -1e-9 && inside(*p, -1e-9))) return std::nullopt;
        return Shadow{*p, altitude > 1e-7 && limit > 1e-9 && inside(*p, 1e-9)};
    };
    auto turn = [](double a) { return std::remainder(a, 360.0); };
    // The parameter of the line the sun of a point has, near t: its declination or its hour
    // angle (none through the year's days).
    auto parameterOf = [&](const Line& line, const oracle::HourDecl& c, double t) {
        return line.by == Line::By::Declination ? c.declination : t + turn(c.hourAngle - t);
    };
    auto within = [](double c, double a, double b, double tolerance) {
        return c >= std::fmin(a, b) - tolerance && c <= std::fmax(a, b) + tolerance;
    };
    // Whether the point is the shadow of a sun of the line between the parameters a and b: by
    // its own parameter, or through the year's days by its sun between theirs; where that sun
    // is near but tells too little (about a turn of the days, or at the end of a line whose
    // hour runs steeply), by the nearest of those shadows.
    auto onLineBetween = [&](const Line& line, const DrawnPoint& p, double a, double b) {
        if (p.colour != colourOf(line.colour)) return false;
        const oracle::HourDecl c = o.sunAt(p.at.x, p.at.y).sun;
        auto near = [&](double slack) {
            if (line.by != Line::By::Day) return within(parameterOf(line, c, a), a, b, 1e-6);
            const auto sa = line.sun(a), sb = line.sun(b);
            return sa && sb &&
                   within(turn(c.hourAngle - sa->hourAngle), 0,
                          turn(sb->hourAngle - sa->hourAngle), slack) &&
                   within(c.declination, sa->declination, sb->declination, slack);
        };
        if (!near(0.01)) return false;
        const auto q = line.by == Line::By::Day ? std::nullopt : line.sun(parameterOf(line, c, a));
        if (q ? std::fabs(turn(q->hourAngle - c.hourAngle)) < 1e-5 &&
                    std::fabs(q->declination - c.declination) < 1e-5
              : near(1e-5))
            return true;
        auto shadowAt = [&](double t) -> std::optional<oracle::DialXY> {
            const auto s = line.sun(t);
            return s ? o.dialPoint(s->hourAngle, s->declination) : std::nullopt;
        };
        return cyltest::nearestShadow(shadowAt, p.at, a, b) < 1e-6;
    };
    std::size_t next = 0, firm = 0;
    for (const Line& line : lines) {
        for (std::size_t k = 0; k < line.at.size(); ++k) {
            const bool again = line.closed && k + 1 == line.at.size();
            const std::optional<Shadow> shadow = again ? std::nullopt : shadowOf(line.sun(line.at[k]));
            // A shadow that may or may not fall is not looked for, nor one whose parameter the
            // point does not have: near the horizon and the back generatrix the points the
            // sampler lays towards the end of the line crowd round it.
            auto isThis = [&](const DrawnPoint& p) {
                const double t = line.at[k];
                return shadow && shadow->sure && apart(p.at, shadow->at) < 1e-6 &&
                       p.colour == colourOf(line.colour) &&
                       (line.by == Line::By::Day ||
                        std::fabs(parameterOf(line, o.sunAt(p.at.x, p.at.y).sun, t) - t) < 1e-6);
            };
            const std::size_t from = next;
            while (k > 0 && next < d.points.size() && !isThis(d.points[next]) &&
                   onLineBetween(line, d.points[next], line.at[k - 1], line.at[k]))
                ++next;
            if (next < d.points.size() && isThis(d.points[next]))
                ++next, ++firm;
            else if (shadow && shadow->sure)
                return testing::AssertionFailure()
                       << "the shadow of the parameter " << line.at[k] << " at (" << shadow->at.x
                       << ", " << shadow->at.y << ") is not drawn point " << next;
            // No hole wider than the step where the suns between the two fall on the dial.
            for (const double f : {0.25, 0.5, 0.75}) {
                const double t = k > 0 ? line.at[k - 1] + f * (line.at[k] - line.at[k - 1]) : 0;
                const auto gap = k > 0 ? shadowOf(line.sun(t)) : std::nullopt;
                if (!gap || !gap->sure) continue;
                double nearest = 1e9;
                for (std::size_t i = from > 0 ? from - 1 : 0; i < next; ++i)
                    nearest = std::fmin(nearest, apart(d.points[i].at, gap->at));
                if (!(nearest <= dialtest::kLineStep))
                    return testing::AssertionFailure()
                           << "the shadow of the parameter " << t << " at (" << gap->at.x << ", "
                           << gap->at.y << ") lies " << nearest << " m from the line";
            }
        }
    }
    if (checked) *checked = firm;
    if (next == d.points.size()) return testing::AssertionSuccess();
    const oracle::CylSun cast = o.sunAt(d.points[next].at.x, d.points[next].at.y);
    return testing::AssertionFailure()
           << "drawn point " << next << " at (" << d.points[next].at.x << ", "
           << d.points[next].at.y << ") is the shadow of no sun of the line: H "
           << cast.sun.hourAngle << ", decl " << cast.sun.declination;
}

// The parameters a line is laid at: from..to by step, and `to` where the count stops short.
std::vector<double> laidAt(double from, double to, double step) {
    std::vector<double> at;
    for (double t : StepRange(from, to, step)) at.push_back(t);
    if ((to - at.back()) / step > 1e-6) at.push_back(to);
    return at;
}

// The line of the day of declination d from sunrise to sunset by 0.05 degrees of hour angle,
// or round the clock where the sun does not set; none where it does not rise.
std::vector<Line> day(const oracle::Sky& sky, double d, int colour) {
    const auto set = sky.sunsetHourAngle(d);
    const bool allDay = !set && sky.altitude(0, d) > 0;
    if (!set && !allDay) return {};
    const double H0 = set ? *set : 180;
    return {{[d](double H) { return oracle::HourDecl{H, d}; }, laidAt(-H0, H0, 0.05), colour,
             Line::By::HourAngle, allDay}};
}

int hourColour(double H) { return std::fabs(H) == 90 ? 9 : H == 0 ? 12 : 7; }

struct Family {
    const char* name;
    std::function<void(shell::Context&)> draw;
    dialtest::Settings settings;
    std::function<std::vector<Line>(CylSphDial&, const oracle::Sky&)> lines;
};

std::vector<Family> families() {
    const std::vector<double> year = laidAt(-23.44, 23.44, 0.05),
                              wideYear = laidAt(-23.45, 23.45, 0.05);
    auto zone = [](CylSphDial& dial) { return dial.m().ZoneCorrRad * 180 / kPi; };
    // The line of an hour angle through the year.
    auto hourLine = [=](double H, int colour) {
        return Line{[H](double d) { return oracle::HourDecl{H, d}; }, wideYear, colour,
                    Line::By::Declination};
    };
    // Hour n of a family on the day of declination d, when the sun rises and sets.
    using HourOf = std::optional<double> (*)(const oracle::Sky&, double n, double d);
    auto hours = [=](double first, double last, int colour, HourOf hourOf) {
        return [=](CylSphDial&, const oracle::Sky& sky) {
            std::vector<Line> out;
            for (double n : laidAt(first, last, 1))
                out.push_back({[=](double d) -> std::optional<oracle::HourDecl> {
                                   if (const auto H = hourOf(sky, n, d))
                                       return oracle::HourDecl{*H, d};
                                   return std::nullopt;
                               },
                               year, colour, Line::By::Declination});
            return out;
        };
    };
    return {
        // The hours from -120 degrees both ways through the turn, midnight once.
        {"hour lines in standard time",
         cyl::DrawCylSphHourLines,
         {{"TxtHour", "1"}, {"ck_Etna", "1"}},
         [=](CylSphDial& dial, const oracle::Sky&) {
             std::vector<Line> out;
             for (double H : laidAt(-165, 180, 15))
                 out.push_back(hourLine(H - zone(dial), hourColour(H)));
             return out;
         }},
        {"declination lines",
         [](shell::Context& ctx) {
             cyl::DrawCylSphDeclLinesSouth(ctx);
             cyl::DrawCylSphDeclLinesNorth(ctx);
         },
         {},
         [](CylSphDial&, const oracle::Sky& sky) {
             std::vector<Line> out;
             const struct { double d; int colour; } kDays[] = {
                 {-23.445, 12}, {-20.001, 13}, {-11.5001, 11},
                 {23.445, 12},  {20.01, 13},   {11.501, 11}};
             for (const auto& k : kDays) {
                 const auto d = day(sky, k.d, k.colour);
                 out.insert(out.end(), d.begin(), d.end());
             }
             return out;
         }},
        {"equinoctial",
         cyl::DrawCylSphEquinoctial,
         {},
         [=](CylSphDial&, const oracle::Sky& sky) { return day(sky, 0, 9); }},
        // The suns of the hour circle through the wall's normal, its half from -90 to 90.
        {"substyle",
         cyl::DrawCylSphSubstyleLine,
         {},
         [=](CylSphDial& dial, const oracle::Sky& sky) {
             double H = sky.hourDeclOf(dial.oracle().facing()).hourAngle;
             H += H > 90 + 1e-6 ? -180 : H < -90 - 1e-6 ? 180 : 0;
             if (sky.latitude() == 0) return std::vector<Line>{};
             return std::vector<Line>{hourLine(H, 9)};
         }},
        {"Italian hours",
         cyl::DrawCylSphItalianHours,
         {},
         hours(5, 23, 12,
               [](const oracle::Sky& s, double n, double d) { return s.italianHourAngle(n, d); })},
        {"Babylonian hours",
         cyl::DrawCylSphBabylonianHours,
         {},
         hours(1, 18, 13,
               [](const oracle::Sky& s, double n, double d) { return s.babylonianHourAngle(n, d); })},
        {"temporary hours",
         cyl::DrawCylSphTemporaryHours,
         {},
         hours(1, 12, 6,
               [](const oracle::Sky& s, double n, double d) -> std::optional<double> {
                   if (const auto H0 = s.sunsetHourAngle(d)) return *H0 * (n / 6 - 1);
                   return std::nullopt;
               })},
        // 12:00 of the zone's mean time with ck_Etna unticked, every other mean day: the
        // analemma moves all the same.
        {"analemma",
         cyl::DrawCylSphAnalemma,
         {{"ck_Etna", "0"}},
         [=](CylSphDial& dial, const oracle::Sky&) {
             const double eps = dials::kAnalemmaObliquityDeg * kPi / 180, noon = -zone(dial);
             std::vector<double> days;
             for (double t : StepRange(-80, 360, 2 * dials::kMeanDayDeg)) days.push_back(t);
             return std::vector<Line>{{[=](double t) {
                                           const auto sun = dials::sunForDay(t, eps, kPi);
                                           return oracle::HourDecl{
                                               noon - sun.equationOfTime() * 180 / kPi,
                                               sun.declination * 180 / kPi};
                                       },
                                       days, 12, Line::By::Day}};
         }},
    };
}

class CylSphLines : public testing::TestWithParam<Cylinder> {};

TEST_P(CylSphLines, EachFamilyDrawsExactlyTheShadowsOfItsSuns) {
    std::size_t hourShadows = 0;
    for (const Family& f : families()) {
        SCOPED_TRACE(f.name);
        CylSphDial dial(GetParam(), f.settings);
        ASSERT_TRUE(dial.ran);
        std::size_t checked = 0;
        EXPECT_TRUE(drawsTheShadowsOf(dial, dial.draw(f.draw), f.lines(dial, dial.oracle().sky()),
                                      &checked));
        if (std::string(f.name) == "hour lines in standard time") hourShadows = checked;
    }
    // Some family may cast no shadow on a dial (the analemma on a convex wall facing away from
    // the noon sun); the hours always do: a check that saw none would pass anything.
    EXPECT_GT(hourShadows, 20u);
}

INSTANTIATE_TEST_SUITE_P(Cylinders, CylSphLines,
                         testing::Values(cylinder(45, 0, false), cylinder(45, 0, true),
                                         cylinder(45, 30, false), cylinder(52, -60, true),
                                         cylinder(40, 150, false),
                                         cylinder(60, -170, false, 0.3, 0.1),
                                         cylinder(45, 200, false), cylinder(10, 30, false),
                                         cylinder(10, 30, true), cylinder(0, 90, false),
                                         cylinder(70, 0, true), cylinder(45, -20, true, 0.3, 0.1),
                                         // A concave style reaching out beyond the far wall.
                                         cylinder(35, 30, false, 0.3, 0.7),
                                         // Steep lines near the convex limit in the tropics;
                                         // the midnight sun on a wall facing north.
                                         cylinder(11.5, 90, true, 0.25, 0.1699),
                                         cylinder(75, 160, false),
                                         // Due west up to the stored Pi's residue: the substyle
                                         // is the six o'clock of the sun in front of the wall.
                                         cylinder(45, 89.9999999999, false)));

class CylSphNumerals : public testing::TestWithParam<Cylinder> {};

// Each numeral is centred on the shadow of its whole hour at the declination 25 degrees, moved
// with its line in standard time, where that hour's line reaches into the plot area (the
// dial's, 15 x 15 m; a line within a millimetre of its edge may go either way); XII leaves the
// text colour white.
TEST_P(CylSphNumerals, StandOnTheirHourLinesAtDeclination25) {
    CylSphDial dial(GetParam(), {{"ck_Etna", "1"}});
    ASSERT_TRUE(dial.ran);
    dial.surface().setForeColor(0x123456);
    struct Numeral {
        double x, y, base;
        int hour, quarter;
    };
    std::vector<Numeral> drawn;
    cyl::DrawCylSphRomanNumerals(
        dial.ctx(), [&](shell::Context&, double& x, double& y, double base, int hour, int quarter) {
            drawn.push_back({x, y, base, hour, quarter});
            x = y = 99;
        });
    const oracle::CylinderOracle o = dial.oracle();
    const double zone = dial.m().ZoneCorrRad * 180 / kPi;
    std::size_t i = 0;
    auto shadow = [&](double H, double d) -> std::optional<oracle::DialXY> {
        const auto p = o.dialPoint(H, d);
        if (!p || o.sky().altitude(H, d) <= 0 || (o.convex() && std::fabs(p->x) >= o.reach()))
            return std::nullopt;
        return p;
    };
    // Every whole hour of the day, in the order the numerals are drawn: 6 to 6 by day, then the
    // hours of the night side.
    for (int k : {-6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, -11, -10, -9, -8, -7, 7, 8, 9, 10,
                  11, 12}) {
        const auto p = shadow(15 * k - zone, 25);
        const double reach = oracle::reachIntoArea(
            {-7.5, 7.5, -11, 4}, [&](double d) { return shadow(15 * k - zone, d); }, -23.45,
            23.45, 0.02);
        if (!p || reach < -1e-3) continue;
        if (reach <= 1e-3 && !(i < drawn.size() && std::fabs(drawn[i].x - p->x) < 1e-6)) continue;
        ASSERT_LT(i, drawn.size());
        EXPECT_NEAR(drawn[i].x, p->x, 1e-6);
        EXPECT_NEAR(drawn[i].y, p->y, 1e-6);
        EXPECT_EQ(drawn[i].hour, (k + 23) % 12 + 1);
        EXPECT_EQ(drawn[i].quarter, 1);
        EXPECT_DOUBLE_EQ(drawn[i++].base, kPi / 2);
    }
    EXPECT_EQ(i, drawn.size());
    const bool noon =
        std::any_of(drawn.begin(), drawn.end(), [](const Numeral& n) { return n.hour == 12; });
    EXPECT_EQ(dial.textColour(), noon ? 0xFFFFFF : 0x123456);
}

INSTANTIATE_TEST_SUITE_P(Cylinders, CylSphNumerals,
                         testing::Values(cylinder(45, 0, false), cylinder(45, 30, true),
                                         cylinder(50, 180, true), cylinder(40, 150, false),
                                         cylinder(10, -30, false, 0.3, 0.1)));

TEST(CylSphNumerals, NoneForTheLinesOffThePlotArea) {
    // On the plot area of an A4 page the afternoon lines of this cylinder, turned to the east,
    // lie beyond its right edge; their numerals would stand off it too. The summer sun lights
    // it before 6: the 5 o'clock line has its numeral.
    CylSphDial dial(cylinder(45, -70, false, 0.5, 0.8));
    const oracle::DialArea& a = dialtest::kPlotArea;
    dial.surface().setQuadranteL(a.right - a.left);
    dial.surface().setQuadranteH(a.top - a.bottom);
    dial.surface().setShiftX(-a.left);
    dial.surface().setShiftY(a.top);
    std::vector<int> hours;
    cyl::DrawCylSphRomanNumerals(dial.ctx(), [&](shell::Context&, double&, double&, double,
                                                 int hour, int) { hours.push_back(hour); });
    EXPECT_EQ(hours, (std::vector<int>{6, 7, 8, 9, 10, 11, 12, 5}));
}

TEST(CylSphDriver, RefusesOnlyTheSouthernHemisphere) {
    dialtest::expectRefused(dialtest::runProgramme("mnuCCs", {{"txtLAT", "-0.1"}}),
                            std::string(shell::kSouthernHemisphereRefusal));
    dialtest::expectDrawn(
        dialtest::runProgramme("mnuCCs", {{"txtLAT", "0"}}),
        "Cylindrical sundial of circular cross-section : Spherical trigonometric method");
}

// Latitude 45, the sun on the equator 15 degrees past noon, R 1, L 0.5; the end of the convex
// limit is outside it. A wall typed as 200 enters as 200, DeclDecimal keeping the folded value.
TEST(CylSphDriver, ProjectsTheWorkedExampleWithinTheConvexLimit) {
    for (const bool convex : {false, true}) {
        CylSphDial dial(cylinder(45, 0, convex));
        shell::Module1& m = dial.m();
        cyl::SetCylSphSide(dial.ctx());
        const auto p = cyl::ProjectCylSphPoint(m, 15 * kPi / 180, 0);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->u, convex ? 0.1982 : 0.1841, 1e-4);
        EXPECT_NEAR(p->y, convex ? -0.5196 : -0.4831, 2e-4);
        EXPECT_NEAR(m.HourAngleRad * 180 / kPi, 43.080, 1e-3);
        if (!convex) {
            EXPECT_NEAR(m.SolarTemp * 180 / kPi, 10.548, 1e-3);
            continue;
        }
        EXPECT_NEAR(m.ConvexArcLimit, dial.oracle().reach(), 1e-9);
        m.ConvexArcLimit = std::fabs(p->u);
        EXPECT_FALSE(cyl::ProjectCylSphPoint(m, 15 * kPi / 180, 0).has_value());
    }
    CylSphDial typed200(cylinder(45, 200, false));
    EXPECT_DOUBLE_EQ(typed200.m().WallDeclRad, -160 * kPi / 180);
    EXPECT_DOUBLE_EQ(typed200.m().DeclDecimal, -160);
}

// The noon generatrix stands where the noon shadows of the year fall: past a quarter turn for a
// concave style longer than the radius, on both cuts of the meridian plane of a concave dial in
// the tropics, south of the tip of a convex dial facing north there, nowhere on one facing north
// beyond the tropics; a declination typed as 200 enters as 200.
TEST(CylSphDriver, NoonGeneratricesStandWhereTheNoonShadowsFall) {
    for (const Cylinder& c : {cylinder(45, -70, false, 0.5, 0.8), cylinder(10, 30, false),
                              cylinder(10, 180, true), cylinder(45, 160, true),
                              cylinder(45, 200, false, 1, 1.5), cylinder(0, -120, false)}) {
        SCOPED_TRACE(cyltest::describe(c));
        CylSphDial dial(c);
        ASSERT_TRUE(dial.ran);
        const dialtest::Drawing d = dial.draw(cyl::DrawCylNoonLine);
        cyltest::expectNoonGeneratrices(dial.oracle(), d, dial.m().CentreX, dial.surface());
    }
}

// A radius whose section plan overflows: the run draws what it can, stops with a message or
// draws nothing of the plan, and no record ever holds a value that is not finite.
TEST(CylSphDriver, AnAbsurdRadiusRecordsNoValueThatIsNotFinite) {
    for (const char* radius : {"-1e308", "1e308", "-1e300"}) {
        for (const char* side : {"Option3D1", "Option3D2"}) {
            SCOPED_TRACE(std::string(radius) + " " + side);
            const dialtest::Outcome o = dialtest::runProgramme(
                "mnuCCs",
                {{"txtLAT", "33"}, {"txtRadius", radius}, {"Ck_Section", "1"}, {side, "1"}});
            for (const auto& p : o.list.points) ASSERT_TRUE(std::isfinite(p.x + p.y));
            for (const auto& l : o.list.lines)
                ASSERT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                            std::isfinite(l.Y2));
            for (const auto& s : o.list.shapes)
                ASSERT_TRUE(std::isfinite(s.First) && std::isfinite(s.Second) &&
                            std::isfinite(s.Third) && std::isfinite(s.Fourth));
            for (const auto& t : o.list.texts) ASSERT_TRUE(std::isfinite(t.x) && std::isfinite(t.y));
        }
    }
}

// A style of length 0 casts no shadow: the run is refused before anything is drawn, as in
// every programme. (A radius of 0 has no section: see CylSetUp.)
TEST(CylSphDriver, CylindersWithoutShadowsAreRefused) {
    const dialtest::Outcome o = dialtest::runProgramme(
        "mnuCCs", {{"txtLAT", "45"}, {"txtStilo", "0"}, {"Option3D2", "1"}});
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_NE(o.messages[0].find("Perpendicular style"), std::string::npos);
    EXPECT_EQ(o.drawn(), 0u);
}

}  // namespace
