// A run whose style is so long that no shadow of its tip falls within the plot area says so,
// naming the style's box; a run with any shadow there never does.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/recording_device.h"
#include "support/rundial_lib.h"
#include "support/shadow_oracle.h"

namespace {

struct Row {
    std::vector<std::string> args;  // programme and settings, as for rundial
    bool said;
};

TEST(RunUnseenDial, SaidOnlyWhenNoShadowFallsWithinThePlotArea) {
    const Row rows[] = {
        {{"mnuCCs", "Option3D1=1", "txtLAT=45", "txtDecl=20", "txtStilo=20"}, true},
        {{"M_Light", "txtLAT=45", "txtDecl=20", "txtStilo=1999"}, true},
        {{"M_Inclinati", "option3D4=1", "txtLAT=0.5", "txtDecl=20", "txtReclinZ=-30",
          "txtStilo=20"}, true},
        {{"M_Proiettivo", "txtLAT=0.5", "txtDecl=135", "txtReclinZ=30", "txtStilo=1999"}, true},
        {{"mnuVertSph", "txtLAT=-30", "txtDecl=150", "txtStilo=20"}, true},
        // Hour lines laid whole across the plot area, where no shadow falls, on walls facing
        // the equator: at 0.5 N the winter noon shadow of a style of 1 m falls 2.25 m below
        // the foot, beyond the area; of one of 0.8 m, 1.8 m below it, within.
        {{"mnuVertSph", "txtLAT=0.5", "txtDecl=0", "txtStilo=1"}, true},
        {{"M_Frinter", "txtLAT=0", "txtDecl=0", "txtStilo=5"}, true},
        {{"mnuVertSph", "txtLAT=0.5", "txtDecl=0", "txtStilo=0.8"}, false},
        // Ordinary styles; a convex cylinder whose shadows fall near its foot.
        {{"mnuCCs", "Option3D1=1", "txtLAT=45", "txtDecl=20", "txtStilo=0.2"}, false},
        {{"mnuCCs", "Option3D2=1", "txtLAT=10", "txtDecl=180", "txtStilo=1"}, false},
        {{"M_Light", "txtLAT=-45", "txtDecl=20", "txtStilo=1999"}, false},  // refused
    };
    for (const Row& row : rows) {
        testsupport::RecordingDevice device;
        const std::string out = rundial::runDial(rundial::parseArguments(row.args), device);
        const bool said = out.find("message\tNo shadow of the style's tip falls within the plot "
                                   "area: the Perpendicular style box") != std::string::npos;
        EXPECT_EQ(said, row.said) << row.args[0] << " " << row.args.back() << "\n"
                                  << out.substr(0, 400);
    }
}

TEST(RunUnseenDial, NoShadowOfTheTipFallsWithinThePlotAreaWhereItIsSaid) {
    // The flat rows above against the shadow model: every real sun of the year casts the tip's
    // shadow beyond the plot area (x within -0.985..0.985, y within -1.97..0.846 on the dial).
    struct Face {
        double lat, decl, recl, style;
    };
    for (const Face& f :
         {Face{45, 20, 0, 1999}, Face{0.5, 20, -30, 20}, Face{0.5, 135, 30, 1999},
          Face{0.5, 0, 0, 1}, Face{0, 0, 0, 5}}) {
        const oracle::ShadowOracle o(f.lat, f.decl, f.recl, f.style);
        for (double decl = -23.45; decl <= 23.45; decl += 0.05) {
            for (double hour = -180; hour < 180; hour += 0.05) {
                const auto s = o.shadow(hour, decl);
                if (!s || !s->sunInFront || !s->sunAboveHorizon) continue;
                EXPECT_FALSE(std::fabs(s->point.x) < 0.985 && s->point.y > -1.97 &&
                             s->point.y < 0.846)
                    << f.lat << " " << hour << " " << decl;
            }
        }
    }
}

}  // namespace
