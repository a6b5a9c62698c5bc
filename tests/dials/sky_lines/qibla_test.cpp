// The Qibla against the shadow oracle: every point is the shadow of a sun above the horizon, in
// front of the plane, standing in the great-circle direction of the chosen place; and the text
// block gives that direction from the south and from the north.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/flat3d_fixture.h"
#include "dials/sky_lines/sky_lines.h"
#include "numeric/palette.h"
#include "support/sky_checks.h"
#include "support/oracle_sky.h"

namespace flat3dtest {
namespace {

using namespace dialtest;

using dials::sky_lines::PlotQibla;

struct QiblaCase {
    Place place;
    Variable variable;
    const char* lon;   // the dial's longitude, west positive
    bool drawn;        // whether the sun ever stands in the place's direction in front
};

void PrintTo(const QiblaCase& c, std::ostream* out) {
    *out << describe(c.place, c.variable) << ", lon " << c.lon;
}

// The default place of the inputs looking to Mecca (south-east from the north, north-north-east
// from the south); places from which Mecca lies towards the pole (Aden, the southern tropics of
// the Pacific); the equator; horizontal planes, 90 typed with either sign (the dial facing up).
const std::vector<QiblaCase> kCases = {
    {{45.7438, 0, 0}, Variable::X, "-7.6438", true},
    {{45.7438, -30, 0}, Variable::Y, "-7.6438", true},
    {{45.7438, -60, 20}, Variable::X, "-7.6438", true},
    {{45.7438, 0, 90}, Variable::X, "-7.6438", true},
    {{45.7438, 0, -90}, Variable::X, "-7.6438", true},
    {{-45.7438, 0, 90}, Variable::X, "-7.6438", true},
    {{-45.7438, 0, 0}, Variable::X, "-7.6438", true},
    {{-45.7438, 30, 0}, Variable::Y, "-7.6438", true},
    {{-45.7438, -20, 15}, Variable::X, "-7.6438", true},
    {{-45.7438, 0, -90}, Variable::X, "-7.6438", true},
    {{12.8, 180, 0}, Variable::X, "-45", true},
    {{12.8, 0, 90}, Variable::X, "-45", true},
    {{12.8, 150, 10}, Variable::Y, "-45", true},
    {{-22.5, 180, 0}, Variable::X, "135", true},
    {{-22.5, 0, -90}, Variable::X, "135", true},
    {{0, 20, 30}, Variable::X, "-30", true},
    {{0, 0, 90}, Variable::X, "-30", true},
};

class QiblaOnOracle : public testing::TestWithParam<QiblaCase> {};

TEST_P(QiblaOnOracle, EveryPointIsTheSunInThePlacesDirection) {
    const QiblaCase c = GetParam();
    Flat3dDial dial(c.place, c.variable, {{"txtLON", c.lon}, {"ckQibla", "1"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::SunDecl);
    const Drawing d = dial.draw(PlotQibla);
    EXPECT_EQ(d.withColour(numeric::qbColor(10)).size(), d.points.size());
    if (c.drawn) {
        EXPECT_GT(d.points.size(), 100u);
    } else {
        EXPECT_TRUE(d.points.empty());
    }

    const oracle::ShadowOracle o = dial.oracle();
    const double bearing = *oracle::greatCircleAzimuth(c.place.lat, std::stod(c.lon), 21.42527,
                                                       -39.81638);
    const double pi = std::acos(-1.0);
    EXPECT_TRUE(allSuns(
        o, d.points,
        [&](const DrawnPoint&, const SunOfPoint& s) {
            // Across the vertical circle: near the zenith the azimuth itself is ill-defined.
            return angleBetween(s.azimuth, bearing) * std::cos(s.altitude * pi / 180);
        },
        "the azimuth of the place"));
    EXPECT_TRUE(allSuns(o, d.points, belowTheHorizon, "the sky above the horizon"));
    // The last point may be the solstice end drawn with the label.
    const double solstice = c.place.lat < 0 ? -23.45 : 23.45;
    EXPECT_TRUE(allSuns(
        o, d.points,
        [&](const DrawnPoint& p, const SunOfPoint& s) {
            return std::min(std::fabs(s.sun.declination - p.tag),
                            std::fabs(s.sun.declination - solstice));
        },
        "the declination being swept"));
}

INSTANTIATE_TEST_SUITE_P(Places, QiblaOnOracle, testing::ValuesIn(kCases));

// The texts the plot records, trailing blanks removed.
std::vector<std::string> textsOf(Flat3dDial& dial) {
    std::vector<std::string> out;
    for (const plot::TextRecord& t : dial.surface().displayList().texts) {
        std::string s = t.text;
        s.erase(s.find_last_not_of(' ') + 1);
        out.push_back(s);
    }
    return out;
}

std::vector<std::string> textBlock(double lat, const char* lon, bool ticked = true) {
    Flat3dDial dial({lat, 0, 0}, Variable::X,
                    {{"txtLON", lon}, {"ckQibla", ticked ? "1" : "0"}, {"txtLocation", "Mecca"}});
    EXPECT_TRUE(dial.setUp());
    dial.draw(PlotQibla);
    return textsOf(dial);
}

// Cut (not rounded) to five decimals, in the shortest form.
std::string cut(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", std::floor(x * 100000) / 100000);
    return buffer;
}

TEST(Qibla, TheTextsOfBothHemispheres) {
    const std::vector<std::string> north = textBlock(45.7438, "-7.6438");
    const std::vector<std::string> expectedNorth = {
        "", "Mecca", "", "Mecca", "latitude  = 21.42527", "longitude  = -39.81638",
        "Qibla from South = -58.02501° azimuth", "Qibla from North = 121.97499° azimuth"};
    EXPECT_EQ(north, expectedNorth);
    const std::vector<std::string> south = textBlock(-45.7438, "-7.6438");
    ASSERT_EQ(south.size(), 8u);
    EXPECT_EQ(south[6], "Qibla from North = -31.1746° azimuth");
    EXPECT_EQ(south[7], "Qibla from South = 148.8254° azimuth");
    // On Mecca's meridian the bearing from the north is the half turn, one number for it.
    const std::vector<std::string> meridian = textBlock(30, "-39.81638", false);
    EXPECT_EQ(meridian[5], "Qibla from South = 0° azimuth");
    EXPECT_EQ(meridian[6], "Qibla from North = 180° azimuth");
}

TEST(Qibla, TheTextTakesTheRightQuadrantTowardsThePole) {
    // From Aden Mecca lies north-north-west: about 151 degrees from the south, west positive,
    // and -29 from the north (west negative).
    const double aden = *oracle::greatCircleAzimuth(12.8, -45, 21.42527, -39.81638);
    ASSERT_GT(aden, 90);
    const std::vector<std::string> north = textBlock(12.8, "-45", false);
    ASSERT_EQ(north.size(), 7u);
    EXPECT_EQ(north[5], "Qibla from South = " + cut(aden) + "° azimuth");
    EXPECT_EQ(north[6], "Qibla from North = " + cut(aden - 180) + "° azimuth");
    // South of the equator the bearing from the north is written with east negative, the one
    // from the south with east positive; from the Pacific Mecca lies east-south-east.
    const double pacific = *oracle::greatCircleAzimuth(-22.5, 135, 21.42527, -39.81638);
    ASSERT_LT(std::fabs(pacific), 90);
    const double fromNorthEast = pacific < 0 ? 180 + pacific : pacific - 180;
    const std::vector<std::string> south = textBlock(-22.5, "135", false);
    ASSERT_EQ(south.size(), 7u);
    EXPECT_EQ(south[5], "Qibla from North = " + cut(-fromNorthEast) + "° azimuth");
    EXPECT_EQ(south[6], "Qibla from South = " + cut(-pacific) + "° azimuth");
    // A place at a pole lies due north or due south, whatever the stored Pi leaves of 90.
    for (const auto& [lat, qLat, fromSouth] : {std::tuple{45.0, "90", "180"}, {45.0, "-90", "0"},
                                              {-45.0, "90", "180"}, {-45.0, "-90", "0"}}) {
        Flat3dDial dial({lat, 0, 0}, Variable::X, {{"txtQLat", qLat}, {"txtLON", "7"}});
        ASSERT_TRUE(dial.setUp());
        dial.draw(PlotQibla);
        const std::vector<std::string> t = textsOf(dial);
        EXPECT_NE(std::find(t.begin(), t.end(), std::string("Qibla from South = ") + fromSouth +
                                                    "° azimuth"),
                  t.end())
            << lat << " " << qLat;
    }
}

TEST(Qibla, TheTextBlockIsWrittenWithoutCurveAndInItsColours) {
    // Unticked: no curve, no label, but the block.
    const std::vector<std::string> texts = textBlock(45.7438, "-7.6438", false);
    EXPECT_EQ(texts.size(), 7u);
    Flat3dDial dial({45.7438, 0, 0}, Variable::X, {{"ckQibla", "1"}});
    ASSERT_TRUE(dial.setUp());
    dial.device().forget();
    dial.draw(PlotQibla);
    using Op = testsupport::DeviceCall::Op;
    const auto lines = dial.device().only(Op::Text);
    ASSERT_GE(lines.size(), 6u);
    constexpr plot::Colour green = numeric::rgb(0, 255, 0);
    for (std::size_t i = lines.size() - 4; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].colour, green) << lines[i].text;
    EXPECT_EQ(dial.textColour(), numeric::rgb(255, 255, 255));
}

TEST(Qibla, WhereTheSunPassesThePlacesAzimuthTwiceBothShadowsAreKept) {
    // In the southern tropics near midsummer the sun, culminating near the zenith, stands twice
    // in a morning in the direction of Mecca (west-north-west from the Pacific), both times
    // above the horizon and in front of a wall facing north. The first passage casts its shadow
    // far up the wall, off the plot; the second one, lower, must be drawn too.
    Flat3dDial dial({-22.5, 180, 0}, Variable::X, {{"txtLON", "135"}, {"ckQibla", "1"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::SunDecl);
    const Drawing d = dial.draw(PlotQibla);
    std::set<long> declinations;  // in thousandths of a degree
    for (const DrawnPoint& p : d.points)
        if (p.tag < -21) declinations.insert(std::lround(p.tag * 1000));
    // Every declination of the sweep from -23.445 to -21.
    EXPECT_GE(declinations.size(), 489u);
}

TEST(Qibla, AStaleHorizontalFlagLetsNoPointAboveTheHorizon) {
    Flat3dDial dial({45.7438, 20, 0}, Variable::X, {{"ckQibla", "1"}});
    ASSERT_TRUE(dial.setUp());
    dial.m().HorizontalFlag = 1;  // as an earlier run on a horizontal plane left it
    const Drawing d = dial.draw(PlotQibla);
    ASSERT_FALSE(d.points.empty());
    for (const DrawnPoint& p : d.points) EXPECT_LE(p.at.y, 1e-12);
}

TEST(Qibla, LeavesTheSignedLatitudeAndTheTypedDeclination) {
    Flat3dDial dial({-40, 25, 10}, Variable::X, {{"ckQibla", "1"}});
    ASSERT_TRUE(dial.setUp());
    EXPECT_LT(dial.m().WallDeclRad, 0);  // folded by the set-up
    dial.draw(PlotQibla);
    const shell::Module1& m = dial.m();
    EXPECT_DOUBLE_EQ(m.LatRad, -40 * m.Pi / 180);
    EXPECT_DOUBLE_EQ(m.WallDeclRad, 25 * m.Pi / 180);
    EXPECT_EQ(m.ReclDeg, 10);
    // On the equator the declination is kept, not multiplied by a sign of 0.
    Flat3dDial equator({0, 25, 10}, Variable::X, {{"ckQibla", "1"}});
    ASSERT_TRUE(equator.setUp());
    equator.draw(PlotQibla);
    EXPECT_DOUBLE_EQ(equator.m().WallDeclRad, 25 * equator.m().Pi / 180);
}

TEST(Qibla, ThePlacesNameStandsBelowADrawnPointOrNowhere) {
    // A curve drawn to its solstice end; one whose solstice end lies off the plot; one with no
    // point on the plot at all (its points lie metres off it).
    for (const auto& [place, style] :
         {std::pair{Place{45.7438, 0, 0}, "0.2"}, {Place{-23.44, -135, 0}, "3"},
          {Place{-23.44, -135, 0}, "30"}}) {
        Flat3dDial dial(place, Variable::X, {{"ckQibla", "1"}, {"txtStilo", style}});
        ASSERT_TRUE(dial.setUp());
        dial.draw(PlotQibla);
        const plot::DisplayList& list = dial.surface().displayList();
        if (list.texts.size() == 7) {  // the block alone
            EXPECT_TRUE(list.points.empty()) << style;
            continue;
        }
        ASSERT_EQ(list.texts.size(), 8u);
        const plot::TextRecord& name = list.texts[1];
        EXPECT_TRUE(std::any_of(list.points.begin(), list.points.end(), [&](const auto& p) {
            return std::fabs(p.x - name.x) < 1e-12 && std::fabs(p.y + 0.02 - name.y) < 1e-12;
        })) << style << " " << name.x << " " << name.y;
    }
}

}  // namespace
}  // namespace flat3dtest
