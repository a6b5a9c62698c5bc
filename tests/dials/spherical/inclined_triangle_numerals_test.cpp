// The triangle of the style and the Roman numerals: the triangle's centre where the hour lines
// meet, its laid-down tip one style length from the foot at right angles to the substyle; each
// numeral centred on the shadow of its whole hour on the typed declination.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/spherical/inclined_procedures.h"
#include "drawn_shadows.h"
#include "inclined_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"
#include "plot/plot_surface.h"

namespace inclinedtest {
namespace {

using namespace dials::spherical;

class InclinedTriangleOnOracle : public testing::TestWithParam<Plane> {};

TEST_P(InclinedTriangleOnOracle, CentreAndLaidDownTipOfTheStyle) {
    InclinedDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalStyleTriangle);
    const oracle::ShadowOracle o = dial.oracle();
    const auto centre = o.centre();
    ASSERT_TRUE(centre);
    ASSERT_EQ(d.lines.size(), 4u);
    const dialtest::Segment polar = d.segments[0], perpendicular = d.segments[1],
                            substyle = d.segments[2];
    const oracle::DialXY tip = polar.a, C = polar.b;
    // A centre far off (a plane near the polar axis) is known less well: its error grows with
    // the square of its distance.
    const double r = std::hypot(centre->x, centre->y) / 0.1;
    const double tol = 1e-9 * (1 + r * r);
    EXPECT_NEAR(C.x, centre->x, tol);
    EXPECT_NEAR(C.y, centre->y, tol);
    EXPECT_NEAR(std::hypot(tip.x, tip.y), 0.1, 1e-12);
    EXPECT_NEAR((tip.x * C.x + tip.y * C.y) / std::hypot(C.x, C.y), 0, 1e-9);
    EXPECT_EQ(polar.colour, qbColor(9));
    EXPECT_EQ(perpendicular.colour, qbColor(13));
    EXPECT_EQ(substyle.colour, qbColor(14));
    EXPECT_EQ(d.segments[3].colour, qbColor(8));
    EXPECT_EQ(d.lines[3].x1, C.x);
    EXPECT_EQ(d.lines[3].x2, C.x);
    EXPECT_EQ(d.lines[3].y1, -dial.surface().ShiftY());
    EXPECT_EQ(d.lines[3].Y2, 2 * dial.surface().ShiftY());
    // The centre and the tip are marked where the plot shows them.
    for (const dialtest::DrawnPoint& p : d.points) EXPECT_EQ(p.colour, qbColor(12));
}

INSTANTIATE_TEST_SUITE_P(Planes, InclinedTriangleOnOracle, testing::ValuesIn(planes()));
INSTANTIATE_TEST_SUITE_P(OtherSignOfNinety, InclinedTriangleOnOracle,
                         testing::ValuesIn(otherSignHorizontals()));

TEST(InclinedTriangle, SideOfTheLaidDownTip) {
    struct Case {
        Plane plane;
        oracle::DialXY centre, tip;
    };
    for (const Case& c : {Case{{45, 0, 0, 0.2}, {0, 0.2}, {0.2, 0}},
                          Case{{45, 30, 0, 0.2}, {-0.1154701, 0.2309401}, {0.1788854, 0.0894427}},
                          Case{{45, 0, 90, 0.2}, {0, -0.2}, {-0.2, 0}},
                          // Inclined 61 and declining 41.6 west at 21.55 N.
                          Case{{21.55, 41.6, -61, 0.2}, {-0.1875647, -0.1306823},
                               {-0.1143322, 0.1640979}}}) {
        SCOPED_TRACE(describe(c.plane));
        InclinedDial dial(c.plane);
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawSphericalStyleTriangle);
        ASSERT_EQ(d.segments.size(), 4u);
        EXPECT_NEAR(d.segments[0].b.x, c.centre.x, 1e-7);
        EXPECT_NEAR(d.segments[0].b.y, c.centre.y, 1e-7);
        EXPECT_NEAR(d.segments[0].a.x, c.tip.x, 1e-7);
        EXPECT_NEAR(d.segments[0].a.y, c.tip.y, 1e-7);
    }
}

TEST(InclinedTriangle, LaidDownTipSquareToTheSubstyleOnEveryPlane) {
    // The tip laid down about the substyle: one style length from the foot, on the
    // perpendicular to the substyle through the foot, the side where the tip's height has the
    // sign of the sine of the plane's declination (with none, the substyle runs along the y
    // axis and the worked cases fix the side).
    std::size_t planesSeen = 0;
    for (double lat : {-62.0, -33.87, -8.0, 8.0, 21.55, 45.0, 66.0})
        for (double decl : {-150.0, -100.0, -41.6, -10.0, 0.0, 25.0, 90.0, 135.0})
            for (double recl : {-75.0, -61.0, -30.0, 0.0, 15.0, 50.0, 85.0}) {
                const Plane plane{lat, decl, recl, 0.2};
                InclinedDial dial(plane);
                ASSERT_TRUE(dial.setUp());
                const auto centre = dial.oracle().centre();
                // Planes near the polar axis put the centre beyond any wall.
                if (!centre || std::hypot(centre->x, centre->y) > 20 * plane.style) continue;
                SCOPED_TRACE(describe(plane));
                const Drawing d = dial.draw(DrawSphericalStyleTriangle);
                ASSERT_EQ(d.segments.size(), 4u);
                const oracle::DialXY tip = d.segments[0].a, C = d.segments[0].b;
                const double c = std::hypot(C.x, C.y);
                EXPECT_NEAR(C.x, centre->x, 1e-9 * (1 + c * c / 0.04));
                EXPECT_NEAR(C.y, centre->y, 1e-9 * (1 + c * c / 0.04));
                EXPECT_NEAR(std::hypot(tip.x, tip.y), plane.style, 1e-12);
                // The direct construction: the unit perpendicular to the substyle, by the side.
                double px = plane.style * C.y / c, py = -plane.style * C.x / c;
                const double s = std::sin(decl * kPi / 180);
                if (std::fabs(s) > 1e-6 ? py * s < 0 : px * tip.x < 0) px = -px, py = -py;
                EXPECT_NEAR(tip.x, px, 1e-9);
                EXPECT_NEAR(tip.y, py, 1e-9);
                // The triangle's sides: the polar style is the hypotenuse.
                EXPECT_NEAR(oracle::distance(tip, C), std::hypot(plane.style, c), 1e-9 * (1 + c));
                ++planesSeen;
            }
    EXPECT_GT(planesSeen, 300u);
}

TEST(InclinedTriangle, PlaneAlongThePolarAxisHasNoCentre) {
    // Planes that hold the polar axis: the horizontal plane at the equator, walls facing due east
    // or west, polar planes facing the equator and the pole. The centre is at infinity (the
    // stored Pi leaves it some 1e9 style lengths away or more): no centre, no vertical through
    // it, nothing recorded far off. The style stands at the foot as on every plane, laid down one
    // style length from it; the substyle through the foot and the polar style through the laid
    // tip run across the plot area along the polar axis, the hour lines parallel to them.
    for (const Plane& plane : {Plane{0, 0, 90}, Plane{45, 90, 0}, Plane{45, -90, 0},
                               Plane{-45, 90, 0}, Plane{-45, -90, 0}, Plane{45, 0, 45},
                               Plane{-45, 0, -45}, Plane{30, 180, -60}}) {
        SCOPED_TRACE(describe(plane));
        InclinedDial dial(plane, {{"TxtHour", "1"}, {"ckRomani", "1"}});
        ASSERT_TRUE(dial.setUp());
        const oracle::ShadowOracle o = dial.oracle();
        const auto centre = o.centre();
        EXPECT_TRUE(!centre || std::hypot(centre->x, centre->y) > 1e6);
        const oracle::DialArea& area = dialtest::kPlotArea;
        auto near = [&](const oracle::DialXY& p) {
            return p.x > area.left - 1e3 && p.x < area.right + 1e3 && p.y > area.bottom - 1e3 &&
                   p.y < area.top + 1e3;
        };
        const Drawing d = dial.draw(DrawSphericalStyleTriangle);
        ASSERT_EQ(d.points.size(), 1u);
        ASSERT_EQ(d.segments.size(), 3u);
        const oracle::DialXY T = d.points[0].at;
        EXPECT_NEAR(std::hypot(T.x, T.y), plane.style, 1e-12);
        // The polar axis in the dial's frame: the direction of the hour lines.
        const Drawing hours = dial.draw(DrawSphericalHourLines);
        // (The face of the last, leaning over towards the ground in the north, sees no sun.)
        if (plane.decl != 180) {
            EXPECT_GT(hours.points.size(), 100u);
        }
        const oracle::Vec3 pole{0, std::cos(plane.lat * kPi / 180), std::sin(plane.lat * kPi / 180)};
        const double ax = oracle::dot(pole, o.axisX()), ay = oracle::dot(pole, o.axisY());
        EXPECT_NEAR(T.x * ax + T.y * ay, 0, 1e-9);
        for (const dialtest::Segment& s : d.segments) {
            EXPECT_TRUE(near(s.a) && near(s.b));
            if (s.colour == qbColor(13)) {  // the style, from the foot to the laid tip
                EXPECT_LT(oracle::distance(s.a, T) + std::hypot(s.b.x, s.b.y), 1e-12);
                continue;
            }
            const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
            EXPECT_LT(std::fabs(dx * ay - dy * ax) / std::hypot(dx, dy), 1e-9);
            EXPECT_LT(oracle::distanceToLine(s.colour == qbColor(14) ? oracle::DialXY{0, 0} : T, s.a,
                                             s.b),
                      1e-9);
        }
        for (const oracle::DialXY& p : hours.at()) ASSERT_TRUE(near(p));
        // No numeral far off either: the hour whose suns lie in the plane has none.
        const auto numerals = [](shell::Context& ctx) { DrawSphericalRomanNumerals(ctx); };
        for (const dialtest::Segment& s : dial.draw(numerals).segments)
            ASSERT_TRUE(near(s.a) && near(s.b));
    }
}

// What the numeral routine was given: the dial point before the routine moved it.
struct NumeralCall {
    double x, y, baseAngle;
    int hour, quarter;
    double hourLoop;          // the table's hour angle being labelled, degrees
    plot::Colour foreColor;   // the text colour when the routine was called
};

// Records each call and moves the point as the routine does when it centres a numeral.
struct NumeralRecorder {
    InclinedDial& dial;
    std::vector<NumeralCall> calls;
    NumeralGlyph glyph() {
        return [this](shell::Context& ctx, double& x, double& y, double base, int hour, int q) {
            calls.push_back({x, y, base, hour, q, ctx.m.HourLoop, dial.textColour()});
            x += 0.01;
            y += 0.02;
        };
    }
};

std::vector<NumeralCall> numeralsOf(InclinedDial& dial) {
    NumeralRecorder r{dial, {}};
    dial.draw([&](shell::Context& ctx) { DrawSphericalRomanNumerals(ctx, r.glyph()); });
    return r.calls;
}

int hourOf(double hourAngleDeg) {
    const int h = 12 + static_cast<int>(hourAngleDeg / 15);
    return h > 12 ? h - 12 : h;
}

class InclinedNumeralsOnOracle : public testing::TestWithParam<Plane> {};

TEST_P(InclinedNumeralsOnOracle, EachNumeralSitsOnItsHourAtTheTypedDeclination) {
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(std::string("standard time ") + etna);
        InclinedDial dial(GetParam(), {{"txtlineofdeclination", "12"}, {"ck_Etna", etna},
                                       {"txtLON", "-9"}, {"TxtFuso", "-1"}});
        ASSERT_TRUE(dial.setUp());
        const std::vector<NumeralCall> calls = numeralsOf(dial);
        const oracle::ShadowOracle o = dial.oracle();
        const double shift = std::string(etna) == "1" ? -15 + 9 : 0;
        for (const NumeralCall& c : calls) {
            SCOPED_TRACE("hour angle " + std::to_string(c.hourLoop));
            EXPECT_EQ(c.hour, hourOf(c.hourLoop));
            EXPECT_EQ(c.baseAngle, kPi / 2);
            EXPECT_EQ(c.quarter, 1);
            // The shadow of the hour's sun, which shines on the plane from above the horizon:
            // with the sun behind the plane the projection through the tip would be the shadow
            // of the opposite sun, on the other side of the equinoctial.
            const auto s = o.shadow(c.hourLoop + shift, 12);
            ASSERT_TRUE(s);
            EXPECT_TRUE(s->sunInFront);
            EXPECT_GT(o.sky().altitude(c.hourLoop + shift, 12), -1e-7);
            const double tol = 1e-9 * (1 + (c.x * c.x + c.y * c.y) / 0.01);
            EXPECT_NEAR(c.x, s->point.x, tol);
            EXPECT_NEAR(c.y, s->point.y, tol);
        }
        // Every hour round the clock whose sun of the row casts its numeral has one exactly when
        // its line reaches into the plot area and its numeral's point lies in it (within a
        // millimetre of the edge, either way).
        for (double H = -165; H <= 180; H += 15) {
            const auto s = o.shadow(H + shift, 12);
            if (!s || !s->sunInFront || !(o.sky().altitude(H + shift, 12) > 1e-7) ||
                std::hypot(s->point.x, s->point.y) > 1e6)
                continue;
            const double reach = oracle::reachIntoArea(dialtest::kPlotArea, [&](double d) {
                return o.sky().altitude(H + shift, d) > 0 ? o.dialPoint(H + shift, d) : std::nullopt;
            }, -23.44, 23.44, 0.02);
            const bool drawn = std::any_of(calls.begin(), calls.end(),
                                           [&](const NumeralCall& c) { return c.hourLoop == H; });
            const double depth = oracle::depthInArea(dialtest::kPlotArea, s->point);
            if (std::fabs(reach) > 1e-3 && std::fabs(depth) > 1e-3) {
                EXPECT_EQ(drawn, reach > 0 && depth > 0) << H;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, InclinedNumeralsOnOracle, testing::ValuesIn(planes()));
INSTANTIATE_TEST_SUITE_P(PastTheVertical, InclinedNumeralsOnOracle, testing::ValuesIn(pastTheVertical()));
INSTANTIATE_TEST_SUITE_P(OtherSignOfNinety, InclinedNumeralsOnOracle,
                         testing::ValuesIn(otherSignHorizontals()));

TEST(InclinedNumerals, SouthWallLabelsTheHoursOfTheTableItsSunReaches) {
    // In the table's order; at the equinox the sun reaches a south wall from six to six, and the
    // points of seven in the morning and five in the evening lie beyond the plot area's sides.
    // Five in the morning is left out: that sun is below the horizon and behind the wall, and
    // the projection through the tip is the shadow of five in the evening.
    InclinedDial dial({45, 0, 0, 0.2}, {{"txtlineofdeclination", "0"}});
    ASSERT_TRUE(dial.setUp());
    const std::vector<NumeralCall> calls = numeralsOf(dial);
    std::vector<double> order;
    for (const NumeralCall& c : calls)
        if (std::fabs(c.hourLoop) != 90) order.push_back(c.hourLoop);  // the sun in the wall
    EXPECT_EQ(order, (std::vector<double>{-15, -30, -45, -60, 0, 15, 30, 45, 60}));
    for (const NumeralCall& c : calls) {
        if (c.hourLoop != 0) continue;
        EXPECT_NEAR(c.x, 0, 1e-15);
        EXPECT_NEAR(c.y, -0.2, 1e-9);
    }

    // South of the equinoctial, hours whose sun is down behind the wall leave no numeral on
    // the lines of the opposite hours north of it.
    InclinedDial winter({20, 0, 0}, {{"txtlineofdeclination", "-27"}});
    ASSERT_TRUE(winter.setUp());
    const oracle::ShadowOracle o = winter.oracle();
    for (const NumeralCall& c : numeralsOf(winter)) {
        SCOPED_TRACE(c.hourLoop);
        EXPECT_NEAR(o.sunFor(c.x, c.y).declination, -27, 1e-6);
        EXPECT_LE(std::fabs(c.hourLoop), 75);
    }
}

TEST(InclinedNumerals, HorizontalPlanesDrawEachNumeralOnceWhicheverSignOfNinety) {
    // The dial facing the sky: every numeral whose sun is up once, evening hours included, at
    // the same place for a typed +90 and -90, in either hemisphere.
    for (double lat : {45.0, -35.0}) {
        SCOPED_TRACE(lat);
        InclinedDial up({lat, 0, 90});
        ASSERT_TRUE(up.setUp());
        const std::vector<NumeralCall> once = numeralsOf(up);
        // The typed row, +27, is a summer day at 45 N, its sun up from four to eight, though
        // no sun of the year lights the lines of four and eight; at 35 S a winter day, its sun
        // up from eight to four.
        ASSERT_EQ(once.size(), lat > 0 ? 15u : 9u);
        InclinedDial down({lat, 20, -90});
        ASSERT_TRUE(down.setUp());
        const std::vector<NumeralCall> again = numeralsOf(down);
        ASSERT_EQ(again.size(), once.size());
        for (std::size_t i = 0; i < once.size(); ++i) {
            EXPECT_EQ(again[i].hour, once[i].hour);
            EXPECT_NEAR(again[i].x, once[i].x, 1e-12);
            EXPECT_NEAR(again[i].y, once[i].y, 1e-12);
        }
    }
}

TEST(InclinedNumerals, TextColourIsWhiteAfterElevenAndNoon) {
    InclinedDial dial({45, 0, 0});
    ASSERT_TRUE(dial.setUp());
    dial.surface().setForeColor(numeric::rgb(1, 2, 3));
    const std::vector<NumeralCall> calls = numeralsOf(dial);
    // XI comes first and sets white; XII is drawn in red text colour and leaves white.
    ASSERT_EQ(calls.at(0).hourLoop, -15);
    for (const NumeralCall& c : calls)
        EXPECT_EQ(c.foreColor, c.hourLoop == 0 ? 255 : 16777215) << c.hourLoop;
    EXPECT_EQ(dial.textColour(), 16777215);
    // A plane on which neither XI nor XII is drawn leaves the colour as it was: a north wall
    // at 45 N sees no sun at those hours on the typed declination, above its horizon.
    InclinedDial north({45, 180, 0}, {{"txtlineofdeclination", "-20"}});
    ASSERT_TRUE(north.setUp());
    north.surface().setForeColor(numeric::rgb(1, 2, 3));
    bool elevenOrNoon = false;
    for (const NumeralCall& c : numeralsOf(north))
        elevenOrNoon = elevenOrNoon || c.hourLoop == -15 || c.hourLoop == 0;
    EXPECT_FALSE(elevenOrNoon);
    EXPECT_EQ(north.textColour(), numeric::rgb(1, 2, 3));
}

}  // namespace
}  // namespace inclinedtest
