// The test driver's arguments and its output format, which golden files rely on.

#include <sstream>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "support/dial_fixture.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace {

TEST(Rundial, ArgumentsInAnyOrder) {
    const rundial::Request r =
        rundial::parseArguments({"txtLAT=4=5", "M_Param", "--data", "ckAz=1", "txtDecl="});
    EXPECT_TRUE(r.data);
    EXPECT_EQ(r.programme, "M_Param");
    ASSERT_EQ(r.settings.size(), 3u);
    EXPECT_EQ(r.settings[0], (std::pair<std::string, std::string>{"txtLAT", "4=5"}));
    EXPECT_EQ(r.settings[2], (std::pair<std::string, std::string>{"txtDecl", ""}));
    EXPECT_THROW(rundial::parseArguments({"M_Parm"}), std::invalid_argument);
    EXPECT_THROW(rundial::parseArguments({"M_Param", "mnuCCs"}), std::invalid_argument);
    EXPECT_THROW(rundial::parseArguments({"--verbose"}), std::invalid_argument);
}

TEST(Rundial, BadSettingsAreRefusedBeforeAnythingRuns) {
    testsupport::RecordingDevice device;
    for (const char* bad : {"txtNothing=1", "ckAz=yes", "ckAz=3", "option3D5=0", "lblFuso=x",
                            "M_Light=1"}) {
        std::ostringstream out, err;
        EXPECT_EQ(rundial::toolMain({bad}, device, out, err), 2) << bad;
        EXPECT_EQ(out.str(), "") << bad;
        EXPECT_NE(err.str().find("usage: rundial"), std::string::npos);
    }
    std::ostringstream out, err;
    EXPECT_EQ(rundial::toolMain({"option3D5=1", "TxtFuso=abc", "ckAz=2"}, device, out, err), 0);
}

TEST(Rundial, PrintsMessagesTitleDisplayListThenTexts) {
    testsupport::RecordingDevice device;
    rundial::DialSystem system(device);
    rundial::perform(system, {false, "M_Light", {}});   // refused in the south
    plot::PlotSurface& s = system.surface();
    s.Messaggio("A title ");
    s.Dati("first text   ", 0.5, -0.25);
    s.xLine(0.1, 0.2, 1.0 / 3, -2, 255);
    s.xPset(-0.5, 0.125, 12);
    s.xCircle(0, 0, 0.3, 65535, 0, 1.5, 1, 2);

    std::ostringstream out;
    rundial::print(system, out);
    EXPECT_EQ(out.str(),
              "message\tSorry, unable to work in the Southern hemisphere \n"
              "title\tA title \n"
              "L\t0.10000000000000001\t0.20000000000000001\t0.33333333333333331\t-2\t255\n"
              "P\t-0.5\t0.125\t12\n"
              "C\t0\t0\t0.29999999999999999\t65535\t0\t1.5\t1\t2\n"
              "T\t0.5\t-0.25\tfirst text\n");
}

TEST(Rundial, StartsAsStartUpDoes) {
    testsupport::RecordingDevice device;
    rundial::DialSystem system(device);
    const plot::PlotSurface& s = system.surface();
    EXPECT_EQ(system.m.Pi, 3.141592654);
    // The plot area the tests check every drawing against.
    EXPECT_EQ(-s.ShiftX(), dialtest::kPlotArea.left);
    EXPECT_EQ(s.QuadranteL() - s.ShiftX(), dialtest::kPlotArea.right);
    EXPECT_EQ(s.ShiftY() - s.QuadranteH(), dialtest::kPlotArea.bottom);
    EXPECT_EQ(s.ShiftY(), dialtest::kPlotArea.top);
    EXPECT_EQ(system.m.SavedQuadranteH, s.QuadranteH());
}

}  // namespace
