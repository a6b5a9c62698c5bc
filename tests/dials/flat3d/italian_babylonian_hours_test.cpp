// Italian and Babylonian hours against the shadow oracle: every line lies on the great circle of
// its hour, and the shadow of the sun at that hour after sunset (Italian) or sunrise
// (Babylonian) falls on the drawn line.

#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using Procedure = void (*)(shell::Context&);

const std::vector<PlaneCase> kCases = {
    {{45, 0, 0}, Variable::X},      {{45, 30, 0}, Variable::Y},
    {{52, -25, 35}, Variable::X},   {{52, -25, 35}, Variable::Y},
    {{40, 20, -25}, Variable::X},   {{45, 0, 90}, Variable::X},
    {{45, 160, 10}, Variable::Y},   {{10, 60, 45}, Variable::X},
    {{-35, 20, -30}, Variable::X},  {{-35, 20, -30}, Variable::Y},
    {{-40, 170, 0}, Variable::X},   {{-30, 0, -90}, Variable::X},
    {{-52, -40, 25}, Variable::Y},
    // Beyond the polar circles (the day circle that grazes the horizon, where the two families
    // meet, is one of the year), a plane past the vertical, the equator and a tropic.
    {{80, 40, 30}, Variable::X},    {{-80, 120, 110}, Variable::Y},
    {{0, 40, 0}, Variable::Y},      {{23.45, -150, 75}, Variable::X},
};

// The hour number of a drawn line: the programme turns the horizon by H (east positive) about
// the polar axis; the oracle's circle of Italian hour n is turned by 15 (n - 24) towards the
// west, that of Babylonian hour n by 15 n.
double foldHours(double n, double low) {
    while (n <= low) n += 24;
    while (n > low + 24) n -= 24;
    return n;
}

double italianHourOfLine(const Flat3dDial& dial, double programmeRad) {
    return foldHours(24 + dial.oracleHourAngle(programmeRad) / 15, 0);
}

double babylonianHourOfLine(const Flat3dDial& dial, double programmeRad) {
    return foldHours(dial.oracleHourAngle(programmeRad) / 15, -1e-9);
}

// The shadow of the sun at one hour of the family, for a declination, when it is a real shadow
// cast by a sun above the horizon; it must lie on the drawn line, between its ends.
bool expectShadowOnLine(const oracle::ShadowOracle& o, const std::vector<oracle::DialXY>& line,
                        std::optional<double> hourAngle, double declination) {
    if (!hourAngle || line.size() < 2) return false;
    const auto shadow = o.shadow(*hourAngle, declination);
    if (!shadow || !shadow->sunInFront || !shadow->sunAboveHorizon) return false;
    const oracle::DialXY p = shadow->point;
    const oracle::DialXY a = line.front(), b = line.back();
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    const double along = ((p.x - a.x) * dx + (p.y - a.y) * dy) / length;
    if (along < 0 || along > length) return false;  // beyond the drawn part of the line
    const double across = std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
    EXPECT_LT(across, oracle::toleranceFor(o.styleLength()))
        << "shadow of H = " << *hourAngle << ", decl = " << declination;
    return true;
}

// The points whose sun is not within a thousandth of a degree of the day circle that grazes the
// horizon. There the Italian and Babylonian parts of one line join, and the hour of a sun, found
// through a sunset hour angle near 180 degrees, is too ill-conditioned to compare.
std::vector<oracle::DialXY> awayFromTheJoin(const oracle::ShadowOracle& o,
                                            const std::vector<oracle::DialXY>& points) {
    const double grazing = 90 - std::fabs(o.sky().latitude());
    std::vector<oracle::DialXY> out;
    for (const oracle::DialXY& p : points)
        if (std::fabs(o.sunFor(p.x, p.y).declination) < grazing - 1e-3) out.push_back(p);
    return out;
}

struct Family {
    Procedure draw;
    int colour;
    bool italian;
};

const Family kItalian{dials::flat3d::DrawItalianHours, 12, true};
const Family kBabylonian{dials::flat3d::DrawBabylonianHours, 13, false};

class ItalianBabylonianOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(ItalianBabylonianOnOracle, EveryLineIsItsHour) {
    const PlaneCase c = GetParam();
    SCOPED_TRACE(describe(c.place, c.variable));
    for (const Family& family : {kItalian, kBabylonian}) {
        SCOPED_TRACE(family.italian ? "Italian" : "Babylonian");
        // Quarter hours do not change the number of lines.
        Flat3dDial dial(c.place, c.variable, {{"TxtHour", "4"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(family.draw);
        EXPECT_EQ(d.withColour(numeric::qbColor(family.colour)).size(), d.points.size());
        const auto lines = d.byTag();
        EXPECT_GE(lines.size(), 6u);
        EXPECT_LE(lines.size(), 12u);
        const oracle::ShadowOracle o = dial.oracle();
        int shadowsChecked = 0;
        for (const auto& [hourAngle, points] : lines) {
            if (family.italian) {
                const double n = italianHourOfLine(dial, hourAngle);
                EXPECT_GE(n, 12 - 1e-6);
                EXPECT_TRUE(oracle::allOnItalianLine(o, n, points)) << "Italian hour " << n;
                EXPECT_TRUE(oracle::allCastAtItalianHour(o, n, awayFromTheJoin(o, points)))
                    << "Italian hour " << n;
                for (double decl : {-23.45, -10.0, 0.0, 15.0, 23.45})
                    shadowsChecked +=
                        expectShadowOnLine(o, points, o.sky().italianHourAngle(n, decl), decl);
            } else {
                const double n = babylonianHourOfLine(dial, hourAngle);
                EXPECT_LE(n, 12 + 1e-6);
                EXPECT_TRUE(oracle::allOnBabylonianLine(o, n, points)) << "Babylonian hour " << n;
                EXPECT_TRUE(oracle::allCastAtBabylonianHour(o, n, awayFromTheJoin(o, points)))
                    << "Babylonian hour " << n;
                for (double decl : {-23.45, -10.0, 0.0, 15.0, 23.45})
                    shadowsChecked +=
                        expectShadowOnLine(o, points, o.sky().babylonianHourAngle(n, decl), decl);
            }
        }
        EXPECT_GE(shadowsChecked, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, ItalianBabylonianOnOracle, testing::ValuesIn(kCases));

TEST(ItalianBabylonian, RangesSwapInTheSouthAndLeaveTheLoopPastTheEnd) {
    for (double lat : {45.0, -45.0}) {
        Flat3dDial dial({lat, 10, 0}, Variable::X);
        ASSERT_TRUE(dial.setUp());
        const auto italian = dial.draw(dials::flat3d::DrawItalianHours).byTag();
        const double pi = dial.m().Pi;
        ASSERT_FALSE(italian.empty());
        // Lines far from the style (near H = 180) fall outside the plot and are not recorded.
        for (const auto& [hourAngle, points] : italian) {
            const double degrees = hourAngle * 180 / pi;
            EXPECT_GE(degrees, lat > 0 ? -1e-9 : -180 - 1e-9);
            EXPECT_LE(degrees, lat > 0 ? 180 + 1e-9 : 1e-9);
            EXPECT_NEAR(std::remainder(degrees, 15), 0, 1e-9);
        }
        EXPECT_DOUBLE_EQ(dial.m().HourLoop, lat > 0 ? 195 : 15);
    }
}

TEST(ItalianBabylonian, HourZeroOfASouthWallIsTheHorizonWhichNoSunAboveItCasts) {
    // Italian 24 (sunset) and Babylonian 0 (sunrise) are the horizon: no line is drawn there,
    // and every other line lies below it, where the sun stands above the horizon.
    for (Procedure p : {dials::flat3d::DrawItalianHours, dials::flat3d::DrawBabylonianHours}) {
        Flat3dDial dial({45, 0, 0}, Variable::X);
        ASSERT_TRUE(dial.setUp());
        const auto lines = dial.draw(p).byTag();
        EXPECT_EQ(lines.count(0.0), 0u);
        for (const auto& [hourAngle, points] : lines)
            for (const oracle::DialXY& q : points) EXPECT_LT(q.y, 0) << hourAngle;
    }
}

TEST(ItalianBabylonian, EachLineIsDrawnAcrossThePlotAreaWhereItsSunShines) {
    // A wall facing well east of south at 40 N: the Italian hour 20 (four hours before sunset)
    // runs far across the plot area; every point of its sunlit part inside the area is drawn,
    // whichever world coordinate the variable steps.
    for (Variable v : {Variable::X, Variable::Y}) {
        Flat3dDial dial({40, -60, 0}, v);
        ASSERT_TRUE(dial.setUp());
        const auto lines = dial.draw(kItalian.draw).byTag();
        const oracle::ShadowOracle o = dial.oracle();
        const plot::PlotSurface& plot = dial.surface();
        const double left = -plot.ShiftX() + 0.01, right = plot.QuadranteL() - plot.ShiftX() - 0.01;
        const double bottom = plot.ShiftY() - plot.QuadranteH() + 0.01, top = -0.01;
        for (const auto& [hourAngle, points] : lines) {
            const double n = italianHourOfLine(dial, hourAngle);
            // The sunlit part inside the area: shadows of the hour over the year.
            std::vector<oracle::DialXY> lit;
            for (double decl = -23.45; decl <= 23.45; decl += 0.05) {
                const auto h = o.sky().italianHourAngle(n, decl);
                const auto s = h ? o.shadow(*h, decl) : std::nullopt;
                if (s && s->sunInFront && s->sunAboveHorizon && s->point.x > left &&
                    s->point.x < right && s->point.y > bottom && s->point.y < top)
                    lit.push_back(s->point);
            }
            if (lit.size() < 2) continue;
            EXPECT_TRUE(oracle::coversSegment(lit.front(), lit.back(), points, 0.005))
                << "Italian hour " << n;
        }
    }
}

}  // namespace
}  // namespace flat3dtest
