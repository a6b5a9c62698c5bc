// Which lines the list holds, and where it ends, for the programmes and places that shorten
// it: programmes without a style geometry, cylinders, the equator, polar day and night, the
// pole itself.

#include <algorithm>

#include "data_fixture.h"

namespace shelldata {
namespace {

class ListShapes : public DataListTest {
protected:
    bool contains(const std::string& text) const {
        const auto all = texts();
        return std::find(all.begin(), all.end(), text) != all.end();
    }
};

TEST_F(ListShapes, ProgrammeWithoutStyleGeometryListsPlaceAndSunOnly) {
    choose("mnuUni");
    wall("0", "-20");  // the reclination is used, yet no reclination line is written
    click();
    const auto all = texts();
    ASSERT_GE(all.size(), 7u);
    const std::vector<std::string> head(all.begin(), all.begin() + 7);
    const std::vector<std::string> expected = {
        "DATA: ", "Latitude 45", "Longitude -7.6438", "Declination 0",
        "Shortest day:    8h 34' 20 ''", "Longest day:    15h 25' 39 ''", "Sun's declination = 20"};
    EXPECT_EQ(head, expected);
    EXPECT_FALSE(contains("T R I A N G L E "));
    EXPECT_TRUE(contains("Sunrise at 4.58"));
    EXPECT_TRUE(contains("Sunset at 19.42"));
}

TEST_F(ListShapes, CylindricalProgrammeStopsAfterSunset) {
    choose("M_CILINDRICI");
    click();
    const std::vector<std::string> expected = {
        "DATA: ", "Latitude 45", "Longitude -7.6438", "Declination 0",
        "Shortest day:    8h 34' 20 ''", "Longest day:    15h 25' 39 ''", "Sun's declination = 20",
        "Sunrise at 4.58", "Sunset at 19.42"};
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(testsupport::nextTextColour(plot, device), numeric::qbColor(11));
}

TEST_F(ListShapes, CylindricalProgrammeUnderMidnightSunStopsAfterSunUp) {
    choose("mnuCircp");
    place("70", "-7.6438", "-1");
    lastRun(70);
    inputs.setText("txtlineofdeclination", "23");
    click();
    const auto all = texts();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back(), "Sun up all day ");
}

TEST_F(ListShapes, EquatorialVerticalWallHasItsSubstyleAcrossAndTwelveHourDays) {
    // At the equator the polar axis is horizontal: a wall declining 30 W has its substyle and
    // centre horizontal, a quarter turn from the vertical, at the 18 o'clock hour angle; every
    // day lasts 12 hours and the sun rises at 6.
    place("0", "-7.6438", "-1");
    wall("30", "0");
    lastRun(0);
    click();
    for (const char* line : {"Substyle distance  : 90\xC2\xB0", "substyle hour angle : 90\xC2\xB0",
                             "substyle hour:    18 h", "Shortest day:    12h 0' 0 ''",
                             "Longest day:    12h 0' 0 ''", "Sunrise at 6", "Sunset at 18",
                             "Elevation of the style : -60\xC2\xB0"})
        EXPECT_TRUE(contains(line)) << line;
    // The sun reaches the wall once sin H > tan 20 / tan 30 (H = 39.1 degrees, 14.61 h).
    EXPECT_TRUE(contains("Sun on dial at 14.61"));
    EXPECT_TRUE(contains("Sun off dial at 18"));
}

TEST_F(ListShapes, PolarNightEndsTheListAtSunDownAllDay) {
    place("70", "-7.6438", "-1");  // tan 23.45 * tan 70 > 1
    lastRun(70);
    inputs.setText("txtlineofdeclination", "-23");
    click();
    const auto all = texts();
    ASSERT_GE(all.size(), 4u);
    const std::vector<std::string> tail(all.end() - 4, all.end());
    const std::vector<std::string> expected = {"Shortest day:   0 h ", "Longest day:   24 h ",
                                               "Sun's declination = -23", "Sun down all day "};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(colours().back(), numeric::qbColor(11));
}

TEST_F(ListShapes, NorthWallInWinterIsNeverLitAndEndsTheList) {
    // At declination -20 the sun stays south of the east-west line all day at 45 N.
    wall("-180", "0");
    inputs.setText("txtlineofdeclination", "-20");
    click();
    const auto all = texts();
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[all.size() - 2], "Sunset at 16.58");
    EXPECT_EQ(all.back(), "Sun off dial all the day ");
    EXPECT_EQ(colours().back(), numeric::qbColor(11));
}

TEST_F(ListShapes, MidnightSunGoesOnToTheDialHours) {
    place("70", "-7.6438", "-1");
    lastRun(70);
    inputs.setText("txtlineofdeclination", "23");
    click();
    const auto all = texts();
    const std::size_t up = indexOf("Sun up all day ");
    ASSERT_LT(up + 3, all.size());
    EXPECT_EQ(all[up + 1].rfind("Sun on dial at ", 0), 0u);
    EXPECT_EQ(all[up + 2].rfind("Sun off dial at ", 0), 0u);
    EXPECT_EQ(all[up + 3], "substyle hour = 12");
    // sin 23.45 / cos 70 > 1: no critical declination of the dial.
    EXPECT_EQ(all.back(), "critical declination of the sun = 0");
}

TEST_F(ListShapes, InclinedPlaneAtThePoleListsItsDaysAndItsSun) {
    // At either pole the day lasts 24 hours or none, and an inclined plane is vertical where its
    // line of greatest slope is the zenith: 70 degrees from the pole, on the meridian of that
    // line (the sign of the latitude that of the pole).
    for (const char* pole : {"90", "-90"}) {
        SCOPED_TRACE(pole);
        device.forget();
        place(pole, "-7.6438", "-1");
        wall("0", "20");
        lastRun(std::stod(pole));
        click();
        EXPECT_TRUE(contains("ecc.ty 90\xC2\xB0 - lat\xC2\xB0  : inf"));
        EXPECT_TRUE(contains(std::string("latitude f1 =  ") + (pole[0] == '-' ? "-70" : "70")));
        EXPECT_TRUE(contains("Shortest day:   0 h "));
        EXPECT_TRUE(contains("Longest day:   24 h "));
        EXPECT_TRUE(contains("Sun's declination = 20"));
        EXPECT_TRUE(services.messages.empty());
    }
}

TEST_F(ListShapes, PoleAndPolarStyleKeepTheSunOnTheSideItReallyLights) {
    // At the pole, and on a plane whose style lies along the polar axis, the stored Pi puts the
    // right angle a hair past 90 degrees; the list must still read midnight sun in summer, polar
    // night in winter, and a dial facing the south pole unlit by a summer sun.
    choose("mnuVertSph");
    place("90", "-7.6438", "-1");
    lastRun(90);
    inputs.setText("txtlineofdeclination", "27");
    click();
    EXPECT_TRUE(contains("Sun up all day "));
    plot.Clear();
    inputs.setText("txtlineofdeclination", "-10");
    click();
    EXPECT_EQ(texts().back(), "Sun down all day ");

    plot.Clear();
    choose("M_Inclinati");
    place("45", "-7.6438", "-1");
    lastRun(45);
    wall("0", "-45");  // perpendicular to the polar axis, facing the south celestial pole
    inputs.setText("txtlineofdeclination", "27");
    click();
    EXPECT_TRUE(contains("Substyle distance  : 0°"));
    EXPECT_TRUE(contains("Sun off dial all the day "));
}

}  // namespace
}  // namespace shelldata
