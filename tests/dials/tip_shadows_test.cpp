// The word that no shadow of the style's tip falls within the plot area: said after a run exactly
// where the shadow models cast none of the year's suns there, in every programme, in both
// hemispheres where it draws both, whatever the run drew; never after a refusal.

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include <gtest/gtest.h>

#include "support/dial_fixture.h"
#include "support/year_shadows.h"

namespace {

using dialtest::Settings;
using oracle::DialXY;
using oracle::HourDecl;

// A programme's dial as typed, and the runs made of it: with a style whose nearest shadow falls
// just inside the plot area and with one whose shadows all fall beyond it; and with a style of
// 1 m, the plot area made a 2 cm square about the shadow of a sun of the year, and about that of
// a sun beyond the solstices. A style of 0, or a sun left at (0, 0), makes no run.
struct Dial {
    std::string_view programme;
    double lat, decl;
    double reclOrRadius;  // a plane's reclination, a cylinder's radius
    Settings extra;       // after every feature box is cleared
    double inside, beyond;
    HourDecl yearSun = {}, otherSun = {};
};

bool onCylinder(std::string_view p) {
    return p == "M_CILINDRICI" || p == "M_Param" || p == "mnuCCs" || p == "mnuCircp" ||
           p == "M_Parabolico";
}

// The shadow models of the dial as the programme takes its inputs: the sun of a point where a
// real sun casts it, and the shadow of a sun.
struct Model {
    oracle::RealSunAt sunAt;
    std::function<std::optional<DialXY>(HourDecl)> shadowOf;
};
template <class Oracle>
Model modelOf(std::shared_ptr<const Oracle> o) {
    return {oracle::realSunsOf(*o), [o](HourDecl s) {
                if constexpr (std::is_same_v<Oracle, oracle::ParabolicOracle>)
                    return o->shadow(s.hourAngle, s.declination);
                else
                    return o->dialPoint(s.hourAngle, s.declination);
            }};
}

Model modelOf(const Dial& d, double style) {
    using std::make_shared;
    const std::string_view p = d.programme;
    const bool convex = d.extra.empty() || d.extra[0].first != "Option3D1";  // design-time side
    if (p == "M_Parabolico")
        return modelOf(make_shared<const oracle::ParabolicOracle>(d.lat, d.decl, convex,
                                                                  d.reclOrRadius, style));
    if (onCylinder(p))
        return modelOf(make_shared<const oracle::CylinderOracle>(d.lat, d.decl, convex,
                                                                 d.reclOrRadius, style));
    // The flat dials: in the south the face turned to the equator, reflected through the foot
    // (the vertical spherical programme takes the declination from the north instead); a typed
    // horizontal faces up, its x east in the north and west in the south.
    const bool reclines = p != "M_Light" && p != "M_Frinter" && p != "mnuVertSph";
    double decl = d.decl, recl = reclines ? d.reclOrRadius : 0;
    if ((p == "M_Inclinati" || p == "mnuUni") && std::fabs(recl) == 90)
        decl = d.lat >= 0 ? 0 : 180, recl = 90;
    else if (d.lat < 0 && p == "mnuVertSph")
        decl = std::remainder(-(decl + 180), 360);
    else if (d.lat < 0)
        decl = 180 - decl, recl = -recl;
    return modelOf(make_shared<const oracle::ShadowOracle>(d.lat, decl, recl, style));
}

// Whether the run says the word, checked against what the models say.
void expectWord(const Dial& d, double style, const HourDecl* about, bool word) {
    if (style == 0 || (about && about->hourAngle == 0 && about->declination == 0)) return;
    SCOPED_TRACE(std::string(d.programme) + " " + std::to_string(d.lat) + " " +
                 std::to_string(d.decl) + " " + std::to_string(d.reclOrRadius) + " style " +
                 std::to_string(style) + " sun " + std::to_string(about ? about->declination : 0));
    Settings typed = {{"txtLAT", dialtest::number(d.lat)}, {"txtDecl", dialtest::number(d.decl)},
                      {"txtStilo", dialtest::number(style)},
                      {onCylinder(d.programme) ? "txtRadius" : "txtReclinZ",
                       dialtest::number(d.reclOrRadius)}};
    for (const char* box : {"ck_DayLightCurves", "ck_Equinoziale", "chkOreAstronomiche",
                            "ck_Sustilare"})
        typed.emplace_back(box, "0");
    dialtest::ProgrammeDial dial(d.programme, typed, d.extra);
    plot::PlotSurface& plot = dial.surface();
    const Model model = modelOf(d, style);
    if (about) {
        const std::optional<DialXY> at = model.shadowOf(*about);
        ASSERT_TRUE(at) << "the sun casts no shadow on the dial";
        plot.setQuadranteL(0.02);
        plot.setQuadranteH(0.02);
        plot.setShiftX(0.01 - at->x);
        plot.setShiftY(at->y + 0.01);
    }
    const dialtest::Outcome o = dial.outcomeOfRun();
    EXPECT_TRUE(o.completed);
    const oracle::DialArea area{-plot.ShiftX(), plot.QuadranteL() - plot.ShiftX(),
                                plot.ShiftY() - plot.QuadranteH(), plot.ShiftY()};
    const double cell = std::fmin(0.01, (area.right - area.left) / 40);
    EXPECT_EQ(!oracle::yearShadowWithin(model.sunAt, area, cell), word);
    EXPECT_EQ(o.messages, word ? std::vector<std::string>{dialtest::kNoTipShadowInArea}
                               : std::vector<std::string>{});
}

TEST(TipShadows, TheWordIsSaidWhereTheModelsCastNoShadowWithinThePlotArea) {
    const Settings X = {{"option3D4", "1"}}, Y = {{"option3D5", "1"}};
    const Settings concave = {{"Option3D1", "1"}};
    const Dial dials[] = {
        {"M_Light", 45, 20, 0, {}, 6.3, 7.0, {30, 15}, {30, 30}},
        {"M_Frinter", -35, 10, 0, {}, 3.5, 3.9, {-30, -15}, {-30, 30}},
        {"M_Proiettivo", 45, 30, 20, {}, 0, 0, {30, 15}, {30, 30}},
        {"M_Proiettivo", 45, 30, -20, {}, 3.4, 3.75},
        {"M_nProiettivo", 40, -50, -15, {}, 6.6, 7.3, {-45, 10}, {-45, 30}},
        {"mnuVertSph", -33.9, -40, 0, {}, 7.0, 7.75, {-30, -10}, {-30, -30}},
        {"mnuUni", -35, 20, -30, {}, 0, 0, {30, -10}, {30, -30}},
        {"mnuUni", -45, 0, -90, {}, 2.25, 2.5},
        {"M_Inclinati", 40, 20, -25, X, 2.1, 2.35, {30, 10}, {30, -30}},
        {"M_Inclinati", -52, -40, 25, X, 4.0, 4.45, {-30, -10}, {-30, -30}},
        {"M_Inclinati", -45, 30, 10, Y, 4.9, 5.45},
        {"M_CILINDRICI", 45, 20, 6, concave, 6.4, 7.1, {30, 10}, {30, 30}},
        {"M_Param", 50, -30, 1, {}, 10.7, 11.8, {-30, 10}, {-30, 30}},
        {"mnuCCs", 40, 10, 0.5, {}, 3.9, 4.3, {0, 10}, {0, 30}},
        {"mnuCircp", 45, -20, 6, concave, 6.55, 7.1, {-30, 10}, {-30, 30}},
        {"M_Parabolico", 45, 20, 0.5, {}, 5.6, 6.2, {10, 10}, {10, 30}},
        {"M_Parabolico", 40, -50, 2, concave, 10.1, 11.1, {-45, 10}, {-45, 30}},
        // Styles too long to cast a shadow in the area that drew no word, one with only the
        // declination lines ticked, which draws nothing but the word.
        {"M_Frinter", 45, 20, 0, {}, 0, 8},
        {"M_Light", 45, 20, 0, {}, 0, 20},
        {"M_Inclinati", 0, 0, 0, X, 0, 3},
        {"mnuUni", -59.51, -8.03, 0.001, {}, 0, 100},
        {"mnuCCs", 60.95, 176.78, 3.763,
         {{"Option3D1", "1"}, {"ck_Italiche", "1"}, {"ck_babiloniche", "1"}, {"ckTemp", "1"}}, 0,
         10},
        {"M_Frinter", 45, 20, 0, {{"ck_DayLightCurves", "1"}}, 0, 100},
        // Faces all but turned to the ground, which the suns only graze: their shadows fall far.
        {"M_Proiettivo", 45, -14.57, -89.9, {}, 0, 0.2},
        {"mnuUni", -45.7438, 30, 89.9, {}, 0, 0.2},
    };
    for (const Dial& d : dials) {
        expectWord(d, d.inside, nullptr, false);
        expectWord(d, d.beyond, nullptr, true);
        expectWord(d, 1, &d.yearSun, false);
        expectWord(d, 1, &d.otherSun, true);
    }
    // A run its programme refuses says only why.
    EXPECT_EQ(dialtest::runProgramme("M_Light", {{"txtLAT", "-45"}, {"txtStilo", "1999"}}).messages,
              std::vector<std::string>{"Sorry, unable to work in the Southern hemisphere "});
}

}  // namespace
