// Every line family of the vertical dial by spherical trigonometry against the shadow oracle, on
// walls of both hemispheres: each lays its lines whole, no two points farther apart than the
// line step, on the shadows of its suns that fall on the dial.

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/spherical/vertical_procedures.h"
#include "numeric/step_loop.h"
#include "drawn_shadows.h"
#include "vertical_fixture.h"

namespace vsphtest {
namespace {

namespace sph = dials::spherical;
using Procedure = void (*)(shell::Context&);
using SunOf = std::function<std::optional<oracle::HourDecl>(const oracle::Sky&, double a, double b)>;

// The lines sunOf(a, u) for each a of `as`, each swept over u from..to by step, as the
// programme sweeps them.
std::vector<sphtest::SweptLine> lines(const oracle::Sky& sky, int colour, numeric::StepRange as,
                                      double from, double to, double step,
                                      std::function<double(const oracle::HourDecl&)> paramOf,
                                      const SunOf& sunOf) {
    std::vector<sphtest::SweptLine> out;
    for (double a : as)
        out.push_back({[&sky, a, sunOf](double u) { return sunOf(sky, a, u); }, from, to, step,
                       paramOf, colourOf(colour)});
    return out;
}

// The sun of hour k of a family of hours on the day of declination d.
SunOf hourOf(std::optional<double> (oracle::Sky::*hourAngle)(double, double) const) {
    return [hourAngle](const oracle::Sky& sky, double k, double d) -> std::optional<oracle::HourDecl> {
        if (const auto H = (sky.*hourAngle)(k, d)) return oracle::HourDecl{*H, d};
        return std::nullopt;
    };
}

// The sun of hour angle H on the day of declination d, or of a fixed declination.
SunOf at(double H) {
    return [H](const oracle::Sky&, double, double d) { return std::optional(oracle::HourDecl{H, d}); };
}
SunOf onDay(double d) {
    return [d](const oracle::Sky&, double, double H) { return std::optional(oracle::HourDecl{H, d}); };
}

// The analemma's sun of the mean longitude M by the short series the programme draws it with,
// written out here on its own: the equation of the centre, the reduction to the equator, and the
// declination for an obliquity of 23 degrees 26' 47".
std::optional<oracle::HourDecl> analemmaSun(double zoneCorrectionRad, double M) {
    const double c1 = 0.006954, c2 = 0.032732, c3 = -0.00032, c4 = 0.000143, c5 = -0.000003,
                 c6 = -0.000004, c7 = 0.04306, c8 = -0.00093, c9 = 0.00003;
    const double eps = ((26.0 / 60 + 23) + 47.0 / 3600) * kPi / 180;
    const double m = M * kPi / 180, s1 = std::sin(m), k1 = std::cos(m);
    const double s2 = std::sin(2 * m), k2 = std::cos(2 * m);
    const double E1 = c1 * s1 + c2 * k1 + c3 * s2 + c4 * k2 + c5 * std::sin(3 * m) +
                      c6 * std::cos(3 * m);
    const double S2 = std::sin(2 * m + 2 * (c1 * s1 + c2 * k1 + c3 * s2 + c4 * k2));
    const double S4 = std::sin(4 * m + 4 * (c1 * s1 + c2 * k1));
    const double E = c7 * S2 + c8 * S4 + c9 * std::sin(6 * m) - E1;
    const double delta = std::asin(std::sin(m + E1) * std::sin(eps));
    return oracle::HourDecl{(E - zoneCorrectionRad) * 180 / kPi, delta * 180 / kPi};
}

struct Family {
    std::string name;
    std::vector<Procedure> draw;
    std::function<std::vector<sphtest::SweptLine>(VertSphDial&, const oracle::Sky&)> lines;
};

std::vector<Family> families() {
    auto fraction = [](VertSphDial& dial) { return 1 / dial.ctx().inputs.number("TxtHour"); };
    // The lines swept over the year's declinations, at the programme's step.
    auto overTheYear = [](const oracle::Sky& sky, int colour, numeric::StepRange as,
                          const SunOf& sunOf) {
        return lines(sky, colour, as, -23.44, 23.44, 0.1, sphtest::byDeclination(), sunOf);
    };
    return {
        {"hour lines", {sph::PlotHourLinesVertSph},
         [=](VertSphDial& dial, const oracle::Sky& sky) {
             const double shift = dial.m().ZoneCorrRad * 180 / kPi * dial.ctx().inputs.value("ck_Etna");
             std::vector<sphtest::SweptLine> out;
             // Round the clock, noon on the grid and midnight once: near the poles a wall
             // turned to the pole is lit in the small hours in summer.
             const double step = dial.m().HourStep;
             for (double H : numeric::StepRange(-180 + step, 180, step)) {
                 const auto line = overTheYear(sky, H == 0 ? 12 : std::fabs(H) == 90 ? 9 : 7,
                                               {0, 0, 1}, at(H - shift));
                 out.insert(out.end(), line.begin(), line.end());
             }
             return out;
         }},
        {"declination lines",
         {sph::PlotNorthDeclinationLinesVertSph, sph::PlotSouthDeclinationLinesVertSph,
          sph::PlotOptionalDeclinationLineVertSph},
         [](VertSphDial&, const oracle::Sky& sky) {
             // Every day round the clock: its sun is drawn from rising to setting, or all day.
             std::vector<sphtest::SweptLine> out;
             for (const auto& [decl, colour] :
                  {std::pair{23.44, 15}, {20.001, 13}, {11.5001, 11}, {-23.44, 12}, {-20.001, 13},
                   {-11.5001, 11}, {27.0, 4}}) {
                 const auto line = lines(sky, colour, {0, 0, 1}, -180, 180, 0.1,
                                         sphtest::byHourAngle(), onDay(decl));
                 out.insert(out.end(), line.begin(), line.end());
             }
             return out;
         }},
        {"equinoctial", {sph::PlotEquinoctialLineVertSph},
         [](VertSphDial&, const oracle::Sky& sky) {
             return lines(sky, 9, {0, 0, 1}, -90, 90, 0.1, sphtest::byHourAngle(), onDay(0));
         }},
        {"Italian hours", {sph::PlotItalianHoursVertSph},
         [=](VertSphDial& dial, const oracle::Sky& sky) {
             return overTheYear(sky, 12, {0, 24, fraction(dial)}, hourOf(&oracle::Sky::italianHourAngle));
         }},
        {"Babylonian hours", {sph::PlotBabylonianHoursVertSph},
         [=](VertSphDial& dial, const oracle::Sky& sky) {
             return overTheYear(sky, 13, {0, 24, fraction(dial)}, hourOf(&oracle::Sky::babylonianHourAngle));
         }},
        {"temporary hours", {sph::PlotTemporaryHoursVertSph},
         [=](VertSphDial& dial, const oracle::Sky& sky) {
             return overTheYear(sky, 6, {0, 12, fraction(dial)},
                                [](const oracle::Sky& s, double k, double d) -> std::optional<oracle::HourDecl> {
                                    const auto H0 = s.sunsetHourAngle(d);
                                    if (!H0) return std::nullopt;
                                    return oracle::HourDecl{(k / 6 - 1) * *H0, d};
                                });
         }},
        {"analemma", {sph::PlotAnalemmaVertSph},
         [](VertSphDial& dial, const oracle::Sky&) {
             const double zone = dial.m().ZoneCorrRad;
             return std::vector<sphtest::SweptLine>{
                 {[zone](double M) { return analemmaSun(zone, M); }, -80, 360,
                  (360 / 365.2422) * 2, nullptr, colourOf(13)}};
         }},
    };
}

void expectFamilies(const Wall& wall, const Settings& settings) {
    for (const Family& f : families()) {
        VertSphDial dial(wall, settings);
        ASSERT_TRUE(dial.setUp());
        Drawing d;
        for (Procedure p : f.draw) {
            const Drawing part = dial.draw(p);
            d.points.insert(d.points.end(), part.points.begin(), part.points.end());
        }
        const oracle::ShadowOracle o = dial.oracle();
        EXPECT_TRUE(laysTheLinesWhole(dial, d, f.lines(dial, o.sky()))) << f.name;
    }
}

class VertSphLines : public testing::TestWithParam<Wall> {};

TEST_P(VertSphLines, EachFamilyLaysItsLinesWholeOnTheShadowsOfItsSuns) {
    expectFamilies(GetParam(), {{"ckLineoptional", "1"}});
}

INSTANTIATE_TEST_SUITE_P(Walls, VertSphLines, testing::ValuesIn(walls()));

class VertSphLinesStandardTime : public testing::TestWithParam<Wall> {};

TEST_P(VertSphLinesStandardTime, HourLinesMoveWithTheZoneAndTheAnalemmaFollowsIt) {
    expectFamilies(GetParam(), {{"ckLineoptional", "1"}, {"ck_Etna", "1"}, {"txtLON", "10"},
                                {"TxtFuso", "-1"}, {"TxtHour", "4"}});
}

INSTANTIATE_TEST_SUITE_P(BothHemispheres, VertSphLinesStandardTime,
                         testing::Values(Wall{45.7, -14.57}, Wall{-45.7438, -14.57}));

TEST(VertSphLinesMirror, WallsTurnedAsFarEastAsWestDrawMirrorImages) {
    // The typed declinations +-D (from the north in the south) face east and west alike; at
    // 45 N the wall facing due east sees the sun of +20 from 111 to 90 degrees before noon.
    for (const auto& [lat, decl] : {std::pair{45.0, 90.0}, {55.0, 40.0}, {60.0, 150.0},
                                   {-35.0, 60.0}, {-50.0, 120.0}}) {
        SCOPED_TRACE(std::to_string(lat) + " " + std::to_string(decl));
        Drawing sides[2];
        for (int i = 0; i < 2; ++i) {
            VertSphDial dial({lat, i == 0 ? -decl : decl}, {{"ckLineoptional", "1"}});
            ASSERT_TRUE(dial.setUp());
            for (Procedure p : {sph::PlotHourLinesVertSph, sph::PlotNorthDeclinationLinesVertSph,
                                sph::PlotSouthDeclinationLinesVertSph,
                                sph::PlotOptionalDeclinationLineVertSph}) {
                const Drawing part = dial.draw(p);
                std::vector<DrawnPoint>& all = sides[i].points;
                all.insert(all.end(), part.points.begin(), part.points.end());
            }
        }
        EXPECT_GT(sides[0].points.size(), 3000u);
        // Where a line ends at the horizon, the point that the sampler's halving finds last may
        // fall on either side of it on the two walls: a few such points have no partner.
        EXPECT_TRUE(sphtest::mirrorImages(sides[0], sides[1], true, 1e-7, 8));
    }
}

TEST(VertSphLinesSteps, ZeroOrNegativeStepsDrawNothingAndDoNotHang) {
    // Run refuses a definition of 0; the procedures draw nothing with such a step all the same
    // (the substyle, a straight line laid at 2 mm, does not take the Definition).
    VertSphDial dial({30, 0});
    ASSERT_TRUE(dial.setUp());
    dial.m().PointStep = 0;
    for (Procedure p : {sph::PlotHourLinesVertSph, sph::PlotNorthDeclinationLinesVertSph,
                        sph::PlotEquinoctialLineVertSph, sph::PlotItalianHoursVertSph})
        EXPECT_TRUE(dial.draw(p).points.empty());
    // A negative step is refused before the run.
    dial.set("TxtHour", "-1");
    EXPECT_FALSE(dial.setUp());
}

// Whether every record of the drawing lies within `reach` metres of the plot area.
bool nearThePlotArea(const Drawing& d, const oracle::DialArea& area, double reach) {
    auto near = [&](const oracle::DialXY& p) {
        return p.x > area.left - reach && p.x < area.right + reach && p.y > area.bottom - reach &&
               p.y < area.top + reach;
    };
    for (const DrawnPoint& p : d.points)
        if (!near(p.at)) return false;
    for (const dialtest::Segment& s : d.segments)
        if (!near(s.a) || !near(s.b)) return false;
    return true;
}

// The sine of the angle between the segment and the direction (x, y).
double offDirection(const dialtest::Segment& s, double x, double y) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    return std::fabs(dx * y - dy * x) / (std::hypot(dx, dy) * std::hypot(x, y));
}

TEST(VertSphLinesStraight, NoonLineSubstyleAndTriangleThroughTheCentre) {
    std::vector<Wall> list = walls();
    // Facing due east and west on the equator too: the polar axis lies in the wall.
    for (const Wall& w : {Wall{0, 90}, Wall{0, -90}}) list.push_back(w);
    for (const Wall& w : list) {
        SCOPED_TRACE(dialtest::describe(w));
        VertSphDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const oracle::ShadowOracle o = dial.oracle();
        const auto centre = o.centre();
        const oracle::DialArea& area = dialtest::kPlotArea;
        const Drawing noon = dial.draw(sph::PlotNoonLineVertSph);
        const Drawing sub = dial.draw(sph::PlotSubstyleLineVertSph);
        const Drawing t = dial.draw(sph::PlotStyleTriangleVertSph);
        if (!centre || std::hypot(centre->x, centre->y) > 1e6) {
            // The polar axis lies in the wall (up to the stored Pi): no centre, and the meridian
            // plane through the tip is parallel to a wall facing due east or west, which has no
            // noon line. Nothing is recorded far off; the substyle, through the foot, and the
            // style laid down, through the tip, run across the plot area along the polar axis,
            // and the hour lines, parallel to them, are still drawn.
            EXPECT_TRUE(noon.lines.empty());
            for (const Drawing* d : {&sub, &t}) EXPECT_TRUE(nearThePlotArea(*d, area, 1e3));
            const oracle::Vec3 pole{0, std::cos(w.lat * kPi / 180), std::sin(w.lat * kPi / 180)};
            const double ax = oracle::dot(pole, o.axisX()), ay = oracle::dot(pole, o.axisY());
            ASSERT_EQ(t.segments.size(), 3u);
            EXPECT_EQ(t.points.size(), 1u);
            const oracle::DialXY T = t.points.at(0).at;
            EXPECT_NEAR(std::hypot(T.x, T.y), w.style, 1e-12);
            EXPECT_NEAR(T.x * ax + T.y * ay, 0, 1e-9);  // square to the substyle
            for (const dialtest::Segment& s : t.segments) {
                if (s.colour == colourOf(13)) continue;  // the style, from the foot to T
                EXPECT_LT(offDirection(s, ax, ay), 1e-9);
                EXPECT_LT(oracle::distanceToLine(s.colour == colourOf(14) ? oracle::DialXY{0, 0} : T,
                                                 s.a, s.b), 1e-9);
            }
            for (const DrawnPoint& p : sub.points)
                ASSERT_LT(std::fabs(p.at.x * ay - p.at.y * ax), 1e-9 * (1 + std::hypot(p.at.x, p.at.y)));
            const Drawing hours = dial.draw(sph::PlotHourLinesVertSph);
            EXPECT_GT(hours.points.size(), 1000u);
            EXPECT_TRUE(nearThePlotArea(hours, area, 1e3));
            continue;
        }
        const oracle::DialXY c = *centre;
        const double tol = 1e-9 * (1 + std::hypot(c.x, c.y));
        EXPECT_NEAR(noon.lines.at(0).x1, c.x, tol);
        for (const DrawnPoint& p : sub.points)
            ASSERT_LT(oracle::distanceToLine(p.at, {0, 0}, c), 1e-9 * (1 + std::hypot(p.at.x, p.at.y)));
        // The substyle laid whole across the plot area, through the centre where the style is
        // rooted, 2 mm apart on the axis it runs most along (a south wall on the equator has its
        // centre at the foot).
        if (std::hypot(c.x, c.y) > 1e-3) {
            EXPECT_LE(oracle::widestStepAlongLine(sub.at(), {0, 0}, c, area),
                      dialtest::kLineStep * std::sqrt(2.0) + 1e-9);
        }
        // The style from the laid tip T to the centre Z; OT as long as the style, square to OZ.
        const oracle::DialXY T = t.segments.at(0).a, Z = t.segments.at(0).b;
        EXPECT_LT(oracle::distance(Z, c), tol);
        EXPECT_NEAR(std::hypot(T.x, T.y), w.style, 1e-12);
        EXPECT_NEAR(T.x * Z.x + T.y * Z.y, 0, tol);
        EXPECT_EQ(t.lines.at(3).x1, Z.x);  // the generic gnomon
    }
}

}  // namespace
}  // namespace vsphtest
