// One fully worked case: a vertical wall facing due south at latitude 45 N, longitude 7.6438 E
// (typed -7.6438), zone -1, perpendicular style 0.2 m, the flat 3D programme with reclination 0,
// and the optional sun's declination 20. The expected values come from the geometry of the
// wall (angles converted with the stored Pi), not from the list's own formulas:
//  - polar axis against the wall: elevation 90 - 45 = 45 degrees on the south side, so the list
//    (which signs it by the pole the style points to) shows -45; hypotenuse 0.2 / cos 45 =
//    0.28284; foot to centre 0.2 * tan 45 = 0.2, the centre straight above the foot;
//  - eccentricity of the declination conics cos 45 / sin(23.45, 20, 11.5) = 1.77687, 2.06744,
//    3.54674, and cos 45 / cos 45 = 1 for the 90 - latitude cone;
//  - the substyle and the noon line are the vertical through the foot (0 degrees, hour 12); the
//    6 and 18 o'clock lines are horizontal; longitude correction 4 * (15 - 7.6438) = 29.42 min;
//  - longest day at 23.45: cos H0 = -tan 23.45 tan 45, 2 H0 / 15 = 15.42765 h = 15h 25' 39'';
//    shortest 8.57235 h = 8h 34' 20'';
//  - at declination 20: sunrise and sunset 12 -+ acos(-tan 20 tan 45) / 15 = 4.58, 19.42; the
//    sun is on the south side of the wall while cos H > tan 20 / tan 45, from 7.42 to 16.58;
//  - critical declination of the dial asin(sin 23.45 / cos 45) = 34.25; of the sun -cos 45 *
//    sin 0 = 0.

#include <cmath>

#include "data_fixture.h"

namespace shelldata {
namespace {

class WorkedCase : public DataListTest {};

TEST_F(WorkedCase, EveryLineHasItsExactText) {
    click();
    const std::vector<std::string> expected = {
        "DATA: ",
        "Latitude 45",
        "Longitude -7.6438",
        "Declination 0",
        "Reclination 0",
        "T R I A N G L E ",
        "Style: hypotenuse 0.28284",
        "Perpendicular style: cathetus 0.2",
        "Distance Foot Center: cathetus  0.2",
        " ",
        " ",
        "Elevation of the style : -45\xC2\xB0",
        "Substyle distance  : 0\xC2\xB0",
        "Center coordinates  : 0    0.2",
        "Angle between max slope line and noon  : 0\xC2\xB0",
        "ecc.ty 90\xC2\xB0 - lat\xC2\xB0  : 1",
        "eccentricity 23.45\xC2\xB0: 1.77687",
        "eccentricity 20\xC2\xB0   : 2.06744",
        "eccentricity 11.5\xC2\xB0 : 3.54674",
        "substyle hour angle : 0\xC2\xB0",
        "substyle hour:    12 h",
        "horizontal hour:    18 h",
        "vertical hour:    12 h",
        "longitude correction:    29.42 m",
        "",
        "Equivalent horizontal dial : ",
        "latitude f0 =  -45\xC2\xB0",
        "",
        "Shortest day:    8h 34' 20 ''",
        "Longest day:    15h 25' 39 ''",
        "Sun's declination = 20",
        "Sunrise at 4.58",
        "Sunset at 19.42",
        "Sun on dial at 7.42",
        "Sun off dial at 16.58",
        "substyle hour = 12",
        "critical declination of the dial = 34.25",
        "critical declination of the sun = 0",
    };
    EXPECT_EQ(texts(), expected);
}

TEST_F(WorkedCase, GroupsHaveTheirColours) {
    plot.setForeColor(numeric::qbColor(14));  // whatever the plot's texts had before
    click();
    const auto all = texts();
    const auto colour = colours();
    ASSERT_EQ(all.size(), 38u);
    // The first lines keep the colour the surface had.
    for (std::size_t i = 0; i < 25; ++i) EXPECT_EQ(colour[i], numeric::qbColor(14)) << all[i];
    EXPECT_EQ(colour[25], kHorizontalGroup);
    EXPECT_EQ(colour[26], kHorizontalGroup);
    for (std::size_t i = 27; i < 30; ++i) EXPECT_EQ(colour[i], numeric::qbColor(7)) << all[i];
    for (std::size_t i = 30; i < 36; ++i) EXPECT_EQ(colour[i], numeric::qbColor(11)) << all[i];
    for (std::size_t i = 36; i < 38; ++i) EXPECT_EQ(colour[i], numeric::qbColor(7)) << all[i];
    EXPECT_EQ(testsupport::nextTextColour(plot, device), numeric::qbColor(7));
}

TEST_F(WorkedCase, FirstLineAtTheTopTenMetresInAndTheOthersOnTheNextLines) {
    click();
    const auto& records = plot.displayList().texts;
    ASSERT_EQ(records.size(), 38u);
    EXPECT_DOUBLE_EQ(records[0].x, 10 - 7.5);
    EXPECT_DOUBLE_EQ(records[0].y, -4.5);
    // Every later line goes to the surface's next text line.
    for (std::size_t i = 1; i < records.size(); ++i) EXPECT_GT(records[i].y, records[i - 1].y);
}

TEST_F(WorkedCase, SharedVariablesHoldTheListsValues) {
    m.SubstyleHour = 0.7;   // an earlier run's values, recomputed by the list
    m.SubstyleAngle = 0.3;
    click();
    EXPECT_DOUBLE_EQ(m.LonCorrRad, -7.6438);  // the typed longitude, in degrees
    EXPECT_DOUBLE_EQ(m.StyleLength, 0.2);
    EXPECT_DOUBLE_EQ(m.DeclDecimal, 0);
    EXPECT_DOUBLE_EQ(m.ReclRad, 0);
    EXPECT_EQ(m.SubstyleHour, 0);
    EXPECT_EQ(m.SubstyleAngle, 0);
    EXPECT_EQ(m.NoonLineAngle, 0);
    EXPECT_NEAR(m.StyleElevDeg, -45, 1e-6);
    EXPECT_NEAR(m.StyleHypotenuse, -0.2 / std::cos(kPi / 4), 1e-9);
    EXPECT_NEAR(m.SolarTemp, 111.34423, 1e-5);  // half-day arc at declination 20, degrees
    EXPECT_NEAR(m.SunDecl, 20 * kPi / 180, 1e-12);
}

TEST_F(WorkedCase, SecondClickWritesTheSameListAgainAtTheSamePlace) {
    click();
    const auto first = texts();
    const auto firstRecord = plot.displayList().texts[0];
    device.forget();
    click();
    EXPECT_EQ(texts(), first);
    const auto& records = plot.displayList().texts;
    ASSERT_EQ(records.size(), 2 * first.size());
    EXPECT_DOUBLE_EQ(records[first.size()].x, firstRecord.x);
    EXPECT_DOUBLE_EQ(records[first.size()].y, firstRecord.y);
    // The second list starts in the colour the first one left.
    EXPECT_EQ(colours()[0], numeric::qbColor(7));
}

}  // namespace
}  // namespace shelldata
