// The lines of the latter projective dial against the shadow oracle: hour lines (local and
// standard-meridian time), equinoctial, declination conics, Italian and Babylonian hours, and the
// segments that run to the centre.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dials/projective/latter_procedures.h"
#include "latter_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"
#include "support/oracle_sky.h"

namespace latterproj {
namespace {

using namespace dials::projective;
using dialtest::Drawing;
using numeric::qbColor;

class LatterOnOracle : public testing::TestWithParam<Plane> {};

TEST_P(LatterOnOracle, HourLinesAreTheShadowLinesOfTheirHours) {
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(std::string("standard meridian ") + etna);
        LatterDial dial(GetParam(), {{"TxtHour", "1"}, {"ck_Etna", etna}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourCounter);
        const Drawing d = dial.draw(DrawHourLinesProjLatter);
        EXPECT_EQ(dial.m().HourCounter, 105);
        // The design-time place: longitude 7.6438 E, Central European time.
        const double shift = etna[0] == '1' ? oracle::standardMeridianCorrection(-7.6438, -1) : 0;
        const auto lines = d.byTag();
        // The sweep covers 4 m of the auxiliary plane: a long style sees fewer lines in it.
        EXPECT_GE(lines.size(), GetParam().style > 0.5 ? 5u : 10u);
        for (const auto& [counter, points] : lines)
            EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), counter + shift, points))
                << "counter " << counter;
        for (const dialtest::DrawnPoint& q : d.points)
            ASSERT_EQ(q.colour, qbColor(q.tag == 0 ? 12 : std::fabs(q.tag) == 90 ? 9 : 7));
    }
}

TEST_P(LatterOnOracle, EquinoctialAndDeclinationLinesLieOnTheirCones) {
    LatterDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::ShadowOracle o = dial.oracle();
    const Drawing eq = dial.draw(DrawEquinoctialProjLatter);
    EXPECT_GT(eq.points.size(), 100u);
    EXPECT_EQ(eq.withColour(qbColor(9)).size(), eq.points.size());
    EXPECT_TRUE(oracle::allOnDeclinationCurve(o, 0, eq.at()));

    const Drawing d = dial.draw(DrawDeclinationLinesProjLatter);
    std::size_t total = 0;
    for (const auto& [colour, declination] : {std::pair{12, 23.45}, {13, 20.0}, {11, 11.5}}) {
        const auto points = d.withColour(qbColor(colour));
        total += points.size();
        EXPECT_GT(points.size(), 20u) << declination;
        EXPECT_TRUE(oracle::allOnDeclinationPair(o, declination, points)) << declination;
    }
    EXPECT_EQ(total, d.points.size());
}

// Each line runs through the equinox sun of hour angle n (setting at +90, rising at -90): Italian
// hour (n + 270) / 15, Babylonian (n + 90) / 15. Also past a right angle from the auxiliary
// dial's substyle, and on planes facing north of east or west.
TEST_P(LatterOnOracle, ItalianAndBabylonianHoursAreTheirGreatCircles) {
    LatterDial dial(GetParam(), {{"TxtHour", "4"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::ConicB2345);  // where the programme keeps the counter
    const Drawing italian = dial.draw(DrawItalianHoursProjLatter);
    EXPECT_EQ(dial.m().ConicB2345, 105);
    const Drawing babylonian = dial.draw(DrawBabylonianHoursProjLatter);
    EXPECT_EQ(italian.withColour(qbColor(12)).size(), italian.points.size());
    EXPECT_EQ(babylonian.withColour(qbColor(13)).size(), babylonian.points.size());
    EXPECT_GE(italian.byTag().size(), 11u);
    EXPECT_GE(babylonian.byTag().size(), 11u);
    for (const auto& [n, points] : italian.byTag())
        EXPECT_TRUE(oracle::allOnItalianLine(dial.oracle(), (n + 270) / 15, points)) << n;
    for (const auto& [n, points] : babylonian.byTag())
        EXPECT_TRUE(oracle::allOnBabylonianLine(dial.oracle(), (n + 90) / 15, points)) << n;
}

TEST_P(LatterOnOracle, CentreNoonSubstyleTriangleAndHorizon) {
    const Plane p = GetParam();
    LatterDial dial(p);
    const oracle::ShadowOracle o = dial.oracle();
    const Drawing mark = dial.draw([&](shell::Context&) { ASSERT_TRUE(dial.setUpWithCentre()); });
    const shell::Module1& m = dial.m();
    const auto centre = o.centre();
    ASSERT_TRUE(centre.has_value());
    const double tolerance =
        oracle::toleranceFor(p.style) * std::max(1.0, std::hypot(centre->x, centre->y) / p.style);
    EXPECT_NEAR(m.CentreX, centre->x, tolerance);
    EXPECT_NEAR(m.CentreY, centre->y, tolerance);
    ASSERT_LE(mark.points.size(), 1u);  // a centre beyond the plot area is not recorded
    for (const auto& q : mark.points) EXPECT_EQ(q.colour, qbColor(14));

    // The noon line runs from below (or above) the tip to the centre; none on a vertical plane.
    const Drawing noon = dial.draw(DrawNoonLineProjLatter);
    ASSERT_EQ(noon.segments.size(), p.recl == 0 ? 0u : 1u);
    for (const auto& s : noon.segments) {
        EXPECT_EQ(s.colour, qbColor(4));
        const std::vector<oracle::DialXY> along = {s.a, {(s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2}};
        EXPECT_TRUE(oracle::allOnWholeHourLine(o, 0, along, tolerance));
        const oracle::Vec3 below = o.tip() - o.worldPoint(s.a.x, s.a.y);
        EXPECT_NEAR(std::hypot(below.x, below.y), 0, 1e-12);
    }

    // The triangle: the style laid at right angles to the substyle at the foot, the polar style
    // from the centre to its tip as long as the true one; then the steepest line at the centre.
    const Drawing tri = dial.draw(DrawStyleTriangleProjLatter);
    ASSERT_EQ(tri.segments.size(), 4u);
    const oracle::DialXY tip = tri.segments[0].b;
    EXPECT_NEAR(std::hypot(tip.x, tip.y), p.style, 1e-12);
    EXPECT_NEAR(tip.x * m.CentreX + tip.y * m.CentreY, 0, 1e-12);
    const oracle::Vec3 polar = o.tip() - o.worldPoint(m.CentreX, m.CentreY);
    EXPECT_NEAR(std::hypot(tip.x - m.CentreX, tip.y - m.CentreY),
                std::sqrt(polar.x * polar.x + polar.y * polar.y + polar.z * polar.z), tolerance);
    for (int i : {0, 1, 2, 3})
        EXPECT_EQ(tri.segments[i].colour, qbColor(std::vector{13, 9, 14, 8}[i]));
    EXPECT_EQ(tri.segments[3].a.x, m.CentreX);

    // The substyle through the foot and the centre; the horizon where the tip is level.
    const Drawing sub = dial.draw(DrawSubstyleProjLatter);
    ASSERT_EQ(sub.segments.size(), 1u);
    EXPECT_EQ(sub.segments[0].a.x, 2 * m.CentreX);
    const Drawing horizon = dial.draw(DrawHorizonProjLatter);
    ASSERT_EQ(horizon.segments.size(), 1u);
    EXPECT_EQ(horizon.segments[0].colour, qbColor(2));
    for (double x : {-1.0, 1.0}) EXPECT_NEAR(o.altitudeAt(x, horizon.segments[0].a.y), 0, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Planes, LatterOnOracle, testing::ValuesIn(planes()));

}  // namespace
}  // namespace latterproj
