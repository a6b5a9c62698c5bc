// The common input reader of the vertical 2D and cylindrical programmes.

#include <tuple>

#include <gtest/gtest.h>

#include "numeric/failure.h"
#include "shell/programme_menu.h"
#include "shell/read_place_and_wall.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace {

class ReadPlaceAndWall : public ::testing::Test {
protected:
    ReadPlaceAndWall() {
        m.EastSign = 1;   // as Run leaves them for the design-time longitude
        m.DeclSign = 1;
        shell::chooseProgramme(in, "M_CILINDRICI");   // a programme that reads every box
    }
    void read() { shell::ReadPlaceAndWallInputs(system.context()); }

    testsupport::RecordingDevice device;
    rundial::DialSystem system{device};
    shell::InputRecord& in = system.inputs;
    shell::Module1& m = system.m;
};

TEST_F(ReadPlaceAndWall, DesignTimeInputs) {
    read();
    const double pi = 3.141592654;
    EXPECT_EQ(m.Pi, pi);
    EXPECT_EQ(m.LatDegrees, -45.7438);
    EXPECT_EQ(m.LatDecimal, -45.7438);
    EXPECT_EQ(m.LatRad, -45.7438 * pi / 180);
    EXPECT_EQ(m.LonAbsDeg, 7.6438);
    // The zone correction comes to 7.3562 degrees for the zone -1.
    EXPECT_NEAR(m.ZoneCorrRad, 7.3562 * pi / 180, 1e-15);
    EXPECT_EQ(m.DeclDegrees, -14.57);
    EXPECT_EQ(m.WallDeclRad, -14.57 * pi / 180);
    EXPECT_EQ(m.Radius, 0.3);
    EXPECT_EQ(m.HourStep, 7.5);
    EXPECT_EQ(m.PointStep, 0.01);
    EXPECT_EQ(m.StyleLength, 0.2);
}

TEST_F(ReadPlaceAndWall, LongitudeZeroCountsAsWest) {
    in.setText("txtLON", "0");
    m.EastSign = -1;
    read();
    EXPECT_EQ(m.LonAbsDeg, 0);
    EXPECT_EQ(m.ZoneCorrRad, 15 * m.Pi / 180);
}

TEST_F(ReadPlaceAndWall, DeclinationIsFoldedOntoOneTurnKeepingPlus180) {
    const std::pair<const char*, double> cases[] = {
        {"270", -90},  {"-181", 179},  {"181", -179}, {"180", 180},     {"-180", 180},
        {"540", 180},  {"-540", 180},  {"-200", 160}, {"600", -120},    {"900", 180},
        {"179.99", 179.99}, {"-179.99", -179.99}, {"-900.5", 179.5}};
    for (const auto& [text, folded] : cases) {
        in.setText("txtDecl", text);
        read();
        EXPECT_EQ(m.DeclDegrees, folded) << text;
        EXPECT_EQ(m.DeclDecimal, folded) << text;
        EXPECT_EQ(m.WallDeclRad, folded * m.Pi / 180) << text;
    }
}

TEST_F(ReadPlaceAndWall, ReclinationIsFoldedOntoOneTurnAndNinetyFacesUp) {
    const std::tuple<const char*, double, double, bool> cases[] = {
        {"405", 1, 45, false},   {"-315", 1, 45, false},  {"180", 1, 180, false},
        {"-180", 1, 180, false}, {"110", -1, 110, false}, {"-120", 1, -120, false},
        {"270", 1, 90, true},    {"270", -1, -90, true},  {"-450", 1, 90, true},
        {"-90", 1, 90, true}};
    for (const auto& [text, hemisphere, folded, horizontal] : cases) {
        in.setText("txtReclinZ", text);
        EXPECT_EQ(shell::typedReclination(in, hemisphere), folded) << text;
        EXPECT_EQ(shell::typedHorizontal(in), horizontal) << text;
    }
}

TEST_F(ReadPlaceAndWall, HourFractionAndDefinition) {
    in.setText("TxtHour", "4");
    in.setText("txt_Definition", "1");
    read();
    EXPECT_EQ(m.HourStep, 3.75);
    EXPECT_EQ(m.PointStep, 0.002);
    in.setText("TxtHour", "3");
    read();
    EXPECT_EQ(m.HourStep, 5);
}

TEST_F(ReadPlaceAndWall, NoHourFractionStopsTheReaderAtTheDivision) {
    read();
    for (const char* hour : {"0", "", "abc"}) {
        in.setText("TxtHour", hour);
        in.setText("txtLAT", "12");
        in.setText("txtRadius", "2");
        in.setText("txtStilo", "9");
        in.setText("txt_Definition", "50");
        try {
            read();
            ADD_FAILURE() << "no failure for " << hour;
        } catch (const numeric::NumericFailure& failure) {
            EXPECT_EQ(failure.kind(), numeric::FailureKind::DivisionByZero);
        }
        // The statements before the division hold their new values, the later ones the old.
        EXPECT_EQ(m.LatDegrees, 12);
        EXPECT_EQ(m.Radius, 2);
        EXPECT_EQ(m.HourStep, 7.5);
        EXPECT_EQ(m.PointStep, 0.01);
        EXPECT_EQ(m.StyleLength, 0.2);
    }
}

}  // namespace
