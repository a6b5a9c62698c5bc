// The driver and set-up of the declining-reclining dial by spherical trigonometry: titles, the
// shared variables it leaves, the plot's origin, and a run stopped by an hour fraction of 0.

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "inclined_fixture.h"
#include "numeric/palette.h"

namespace inclinedtest {
namespace {

using dialtest::Outcome;
using dialtest::Settings;

const std::string kHorizontal = "Horizontal dial by spherical trigonometry";
const std::string kDeclining = "Declining, reclining dial by spherical trigonometry";

// Only the features named are ticked.
Settings onlyTicked(std::initializer_list<const char*> boxes) {
    Settings s;
    for (const char* box :
         {"chkOreAstronomiche", "ckRomani", "ck_DayLightCurves", "ck_Equinoziale", "ck_Italiche",
          "ck_babiloniche", "ckTemp", "ck_Lemniscate", "ck_Sustilare", "ck_Triangolo",
          "ck_orizzonte", "ckQibla", "ckAsr", "ckAlt", "ckAz"})
        s.push_back({box, "0"});
    for (const char* box : boxes) s.push_back({box, "1"});
    return s;
}

Outcome runWith(const Settings& typed, std::initializer_list<const char*> boxes = {}) {
    Settings all = typed;
    const Settings ticks = onlyTicked(boxes);
    all.insert(all.end(), ticks.begin(), ticks.end());
    return dialtest::runProgramme("mnuUni", all);
}

TEST(InclinedDriver, HorizontalPlaneHasNoDeclinationWhateverWasTyped) {
    for (const char* recl : {"90", "-90"}) {
        SCOPED_TRACE(recl);
        const Outcome o = runWith({{"txtReclinZ", recl}, {"txtDecl", "30"}});
        dialtest::expectDrawn(o, kHorizontal);
        EXPECT_EQ(o.m.HorizontalFlag, 1);
        EXPECT_EQ(o.m.WallDeclRad, 0);
        EXPECT_EQ(o.m.DeclDegrees, 30);
        EXPECT_EQ(o.m.DeclDecimal, 30);
        EXPECT_EQ(std::fabs(o.m.ReclRad), kPi / 2);
    }
    // In the south a face all but turned to the ground, which the suns only graze.
    const Outcome o = runWith({{"txtReclinZ", "89.9"}, {"txtDecl", "30"}});
    dialtest::expectDrawn(o, kDeclining, {dialtest::kNoTipShadowInArea});
    EXPECT_EQ(o.m.HorizontalFlag, 0);
    EXPECT_EQ(o.m.WallDeclRad, 30 * kPi / 180);
}

TEST(InclinedDriver, SetUpStoresThePlaceAndTheSteps) {
    const Outcome o = runWith({{"txtLAT", "-45.7438"},
                               {"txtLON", "-7.6438"},
                               {"TxtFuso", "-1"},
                               {"TxtHour", "4"},
                               {"txtStilo", "0.25"},
                               {"txtReclinZ", "-20"}});
    EXPECT_EQ(o.m.Pi, kPi);
    EXPECT_EQ(o.m.LatDegrees, -45.7438);
    EXPECT_EQ(o.m.LatRad, -45.7438 * kPi / 180);
    EXPECT_EQ(o.m.LatRadCopy, o.m.LatRad);
    EXPECT_EQ(o.m.LonAbsDeg, 7.6438);
    EXPECT_NEAR(o.m.ZoneCorrRad, 7.3562 * kPi / 180, 1e-15);
    EXPECT_EQ(o.m.HourStep, 3.75);
    EXPECT_EQ(o.m.StyleLength, 0.25);
    EXPECT_EQ(o.m.ReclRad, -20 * kPi / 180);
    EXPECT_EQ(runWith({{"TxtHour", "2"}}).m.HourStep, 7.5);
    EXPECT_NEAR(runWith({{"TxtFuso", "-2"}}).m.ZoneCorrRad, 22.3562 * kPi / 180, 1e-15);
    // West of Greenwich the longitude counts positive.
    EXPECT_NEAR(runWith({{"txtLON", "80"}, {"TxtFuso", "5"}}).m.ZoneCorrRad, 5 * kPi / 180,
                1e-15);
}

TEST(InclinedDriver, OriginIsCentredOnEveryRun) {
    InclinedDial dial({45, 10, 20});
    dial.surface().setShiftX(0.123);
    ASSERT_TRUE(dial.run());
    const double half = dial.surface().QuadranteL() / 2;
    EXPECT_EQ(dial.surface().ShiftX(), half);
    EXPECT_EQ(dial.m().PlotShiftX, half);
}

TEST(InclinedDriver, AsrCurveIsDrawnWhenItAloneIsTicked) {
    const Outcome o = runWith({{"txtLAT", "35"}, {"txtReclinZ", "90"}}, {"ckAsr"});
    dialtest::expectDrawn(o, kHorizontal);
    ASSERT_FALSE(o.list.points.empty());
    for (const auto& p : o.list.points) EXPECT_EQ(p.Color, numeric::rgb(0, 193, 97));
}

TEST(InclinedDriver, NoStyleOrHourFractionIsRefusedBeforeTheRun) {
    // A style of no length, whose every shadow would fall on its foot, is refused before the
    // run, as in every programme; so is one too long for any dial, and an hour fraction of 0.
    for (const auto& [box, value, named] :
         {std::tuple{"txtStilo", "0", "Perpendicular style"},
          std::tuple{"txtStilo", "1e308", "too large"},
          std::tuple{"TxtHour", "0", "Hour fraction"}}) {
        const Outcome o = runWith({{box, value}}, {"chkOreAstronomiche"});
        ASSERT_EQ(o.messages.size(), 1u);
        EXPECT_NE(o.messages[0].find(named), std::string::npos);
        EXPECT_EQ(o.drawn(), 0u);
    }
}

// Every feature of the programme ticked, the sky lines not.
const std::initializer_list<const char*> kAllFeatures = {
    "chkOreAstronomiche", "ckRomani", "ck_DayLightCurves", "ck_Equinoziale", "ck_Italiche",
    "ck_babiloniche",     "ckTemp",   "ck_Lemniscate",     "ck_Sustilare",   "ck_Triangolo",
    "ck_orizzonte"};

TEST(InclinedDriver, ExtremePlacesDrawOnlyFiniteCoordinates) {
    // The poles, the equator, a style too long for the projection, a plane along the polar
    // axis: each run ends normally and nothing that is not a number reaches the plot.
    const Settings cases[] = {
        {{"txtLAT", "90"}, {"txtReclinZ", "0"}},
        {{"txtLAT", "-90"}, {"txtReclinZ", "90"}},
        {{"txtLAT", "0"}, {"txtReclinZ", "0"}, {"txtDecl", "0"}},
        {{"txtLAT", "0"}, {"txtReclinZ", "90"}},
        {{"txtLAT", "45"}, {"txtReclinZ", "45"}, {"txtDecl", "0"}},
        {{"txtLAT", "45"}, {"txtReclinZ", "0"}, {"txtDecl", "90"}},
    };
    for (const Settings& typed : cases) {
        SCOPED_TRACE(typed.front().second + " / " + typed[1].second);
        Settings all = typed;
        all.push_back({"ckLineoptional", "1"});
        const Outcome o = runWith(all, kAllFeatures);
        dialtest::expectDrawn(o, o.title);
        EXPECT_TRUE(o.messages.empty());
        for (const auto& p : o.list.points) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        for (const auto& l : o.list.lines)
            ASSERT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                        std::isfinite(l.Y2));
    }
}

TEST(InclinedDriver, EitherSignOfNinetyDrawsTheSameDialFacingTheSky) {
    // The tool tip's 90 and the southern -90 alike: one dial, each point once, the sky lines
    // included.
    for (const char* lat : {"45", "-33.87", "0"}) {
        SCOPED_TRACE(lat);
        Outcome runs[2];
        for (int i = 0; i < 2; ++i) {
            Settings all = onlyTicked(kAllFeatures);
            all.insert(all.end(), {{"txtLAT", lat}, {"txtDecl", i == 0 ? "0" : "25"},
                                   {"txtReclinZ", i == 0 ? "90" : "-90"}, {"ckLineoptional", "1"},
                                   {"ckAsr", "1"}, {"ckQibla", "1"}, {"ckAlt", "1"}, {"ckAz", "1"}});
            runs[i] = dialtest::runProgramme("mnuUni", all);
            dialtest::expectDrawn(runs[i], kHorizontal);
        }
        ASSERT_GT(runs[0].list.points.size(), 10000u);
        ASSERT_EQ(runs[0].list.points.size(), runs[1].list.points.size());
        for (std::size_t i = 0; i < runs[0].list.points.size(); ++i) {
            const auto &a = runs[0].list.points[i], &b = runs[1].list.points[i];
            ASSERT_TRUE(a.x == b.x && a.y == b.y && a.Color == b.Color) << i;
        }
        ASSERT_EQ(runs[0].list.lines.size(), runs[1].list.lines.size());
        for (std::size_t i = 0; i < runs[0].list.lines.size(); ++i) {
            const auto &a = runs[0].list.lines[i], &b = runs[1].list.lines[i];
            ASSERT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.Y2 == b.Y2) << i;
        }
    }
}

}  // namespace
}  // namespace inclinedtest
