// Every driver's refusals (exact texts, the first that holds wins), its title, and the cursor;
// no flat programme's records far off the plot; the colours of noon and six o'clock.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/palette.h"
#include "plot/null_device.h"
#include "shell/control_table.h"
#include "shell/input_check.h"
#include "shell/programme_menu.h"
#include "support/dial_fixture.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace {

constexpr const char* kSouth = "Sorry, unable to work in the Southern hemisphere ";
constexpr const char* kEquator = "Sorry, unable to work at the equator ";
constexpr const char* kHorizontal = "Sorry, unable to draw horizontal dials ";

using dialtest::expectDrawn;
using dialtest::expectRefused;

dialtest::Outcome run(std::string_view programme, const dialtest::Settings& settings) {
    return dialtest::runProgramme(programme, settings);
}

TEST(DriverRefusals, ProjectiveFormerVersion) {
    const std::string title = "Flat sundial by projective method : former version";
    expectRefused(run("M_Proiettivo", {{"txtLAT", "-10"}, {"txtReclinZ", "90"}}), kSouth);
    expectRefused(run("M_Proiettivo", {{"txtLAT", "0"}}), kEquator);
    expectRefused(run("M_Proiettivo", {{"txtLAT", ""}}), kEquator);
    expectRefused(run("M_Proiettivo", {{"txtLAT", "45"}, {"txtReclinZ", "-90"}, {"txtDecl", "90"}}),
                  kHorizontal);
    expectRefused(run("M_Proiettivo", {{"txtLAT", "45"}, {"txtDecl", "-90"}}),
                  "Please use programme n\u00b0 4 ");
    // Each refusal reads the boxes as folded onto one turn: 270 is -90, a reclination of 270 the
    // horizontal dial facing down.
    expectRefused(run("M_Proiettivo", {{"txtLAT", "45"}, {"txtDecl", "270"}}),
                  "Please use programme n\u00b0 4 ");
    expectRefused(run("M_Proiettivo", {{"txtLAT", "45"}, {"txtReclinZ", "270"}}), kHorizontal);
    expectDrawn(run("M_Proiettivo", {{"txtLAT", "45"}, {"txtReclinZ", "89.9"}}), title);
    expectDrawn(run("M_Proiettivo", {{"txtLAT", "45"}, {"txtDecl", "120"}}), title);
}

TEST(DriverRefusals, ProjectiveLatterVersionAcceptsAWallFacingEastOrWest) {
    const std::string title = "Flat sundial by projective method : latter version";
    expectRefused(run("M_nProiettivo", {{"txtLAT", "-0.5"}}), kSouth);
    expectRefused(run("M_nProiettivo", {{"txtLAT", "0"}}), kEquator);
    expectRefused(run("M_nProiettivo", {{"txtLAT", "45"}, {"txtReclinZ", "90"}}), kHorizontal);
    expectRefused(run("M_nProiettivo", {{"txtLAT", "45"}, {"txtReclinZ", "-630"}}), kHorizontal);
    expectDrawn(run("M_nProiettivo", {{"txtLAT", "45"}, {"txtDecl", "90"}}), title);
}

TEST(DriverRefusals, CylindricalProgrammes) {
    const std::pair<const char*, const char*> programmes[] = {
        {"M_CILINDRICI", "Cylindrical sundial of circular cross-section : 3D method"},
        {"M_Parabolico", "Cylindrical sundial of parabolic cross-section : 3D method"},
        {"M_Param",
         "Cylindrical sundial of circular cross-section as a set of points : parametric method "},
        {"mnuCCs",
         "Cylindrical sundial of circular cross-section : Spherical trigonometric method"},
        {"mnuCircp", "Cylindrical sundial of circular cross-section : projective method"},
    };
    for (const auto& [programme, title] : programmes) {
        SCOPED_TRACE(programme);
        expectRefused(run(programme, {{"txtDecl", "80"}}), kSouth);
        expectDrawn(run(programme, {{"txtLAT", "45"}}), title);
    }
    expectRefused(run("M_Param", {{"txtLAT", "0"}}), kEquator);
    expectDrawn(run("mnuCCs", {{"txtLAT", "0"}}),
                "Cylindrical sundial of circular cross-section : Spherical trigonometric method");
    expectRefused(run("M_Parabolico", {{"txtLAT", "45"}, {"txtDecl", "70.0001"}}),
                  "Sorry, graph not available  ");
    expectDrawn(run("M_Parabolico", {{"txtLAT", "45"}, {"txtDecl", "-70"}}),
                "Cylindrical sundial of parabolic cross-section : 3D method");
    // The declination as folded onto one turn: 430.0001 is 70.0001, -290 is 70.
    expectRefused(run("M_Parabolico", {{"txtLAT", "45"}, {"txtDecl", "430.0001"}}),
                  "Sorry, graph not available  ");
    expectRefused(run("M_Parabolico", {{"txtLAT", "45"}, {"txtDecl", "-289.9999"}}),
                  "Sorry, graph not available  ");
    expectDrawn(run("M_Parabolico", {{"txtLAT", "45"}, {"txtDecl", "-290"}}),
                "Cylindrical sundial of parabolic cross-section : 3D method");
}

TEST(DriverRefusals, VerticalDialsBy2DGeometry) {
    expectRefused(run("M_Light", {{"txtLAT", "-0.1"}}), kSouth);
    expectDrawn(run("M_Light", {{"txtLAT", "0"}}),
                "Vertical dial, light graph by 2 D analytic geometry");

    const char* empty = "Immettere Longitudine,latitudine,Declinazione e Ortostilo !!";
    expectRefused(run("M_Frinter", {{"txtLAT", ""}}), empty);
    expectRefused(run("M_Frinter", {{"txtLAT", "   "}}), empty);
    expectDrawn(run("M_Frinter", {}), "Vertical dial by 2D analytic geometry");
}

TEST(DriverRefusals, SphericalProgrammesRefuseNothing) {
    expectDrawn(run("", {}), "Vertical dial by spherical trigonometry ");
    expectDrawn(run("mnuUni", {{"txtReclinZ", "-90"}}), "Horizontal dial by spherical trigonometry");
    expectDrawn(run("mnuUni", {{"txtReclinZ", "90"}}), "Horizontal dial by spherical trigonometry");
    expectDrawn(run("mnuUni", {{"txtReclinZ", "89.9"}}),
                "Declining, reclining dial by spherical trigonometry",
                {dialtest::kNoTipShadowInArea});  // all but facing the ground in the south
}

TEST(DriverRefusals, SphericalSetUpsLeaveTheLatitudeForTheTechnicalData) {
    constexpr double pi = 3.141592654;
    testsupport::RecordingDevice device;
    rundial::DialSystem system(device);
    rundial::perform(system, {false, "", {}});
    EXPECT_EQ(system.m.LatDegrees, -45.7438);
    EXPECT_EQ(system.m.LatRad, -45.7438 * pi / 180);

    system.m.HorizontalFlag = 1;  // as a horizontal plane of an earlier run left it
    rundial::perform(system, {false, "mnuUni", {{"txtLAT", "30"}, {"txtReclinZ", "20"}}});
    EXPECT_EQ(system.m.LatDegrees, 30);
    EXPECT_EQ(system.m.LatRad, 30 * pi / 180);
    EXPECT_EQ(system.m.HorizontalFlag, 0);
    rundial::perform(system, {false, "mnuUni", {{"txtReclinZ", "-90"}}});
    EXPECT_EQ(system.m.HorizontalFlag, 1);
}

TEST(DriverRefusals, ABadHourFractionOrDefinitionNeverHangsOrEndsTheProcess) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "2"}, {"-1", "2"}, {"", "2"}, {"5", "0"}, {"5", "-4"}};
    for (const auto& item : shell::programmeMenuItems()) {
        for (const auto& [definition, hour] : cases) {
            SCOPED_TRACE(std::string(item.name) + " Definition " + definition + " hour " + hour);
            const dialtest::Outcome o = run(std::string(item.name),
                                  {{"txtLAT", "45"}, {"txt_Definition", definition},
                                   {"TxtHour", hour}, {"txtReclinZ", "30"}});
            EXPECT_TRUE(o.busyChanges.empty() ||
                        o.busyChanges == (std::vector<bool>{true, false}));
        }
    }
}

bool allFinite(const plot::DisplayList& list) {
    auto finite = [](std::initializer_list<double> values) {
        return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
    };
    for (const auto& p : list.points)
        if (!finite({p.x, p.y})) return false;
    for (const auto& l : list.lines)
        if (!finite({l.x1, l.y1, l.x2, l.Y2})) return false;
    for (const auto& c : list.shapes)
        if (!finite({c.First, c.Second, c.Third, c.Fourth, c.ArcStart, c.ArcEnd})) return false;
    for (const auto& t : list.texts)
        if (!finite({t.x, t.y})) return false;
    return true;
}

// A handful of hostile input sets per programme: each run ends at once, with a drawing or a
// message, the cursor restored and nothing but finite numbers in the display list.
TEST(DriverRefusals, HostileInputsEndQuicklyWithADrawingOrAMessage) {
    const dialtest::Settings hostile[] = {
        {{"TxtHour", "1e5"}},
        {{"txt_Definition", "1e-12"}, {"ckAlt", "1"}},
        {{"txtRadius", "-1e308"}, {"Ck_Section", "1"}},
        {{"txtStilo", "1e300"}, {"txtRadius", "1e300"}, {"txtNumberSize", "1e300"}},
        {{"txtLAT", "89.99999999"}, {"txtDecl", "1e300"}, {"txtReclinZ", "-1e300"}},
    };
    for (const auto& item : shell::programmeMenuItems()) {
        for (const auto& set : hostile) {
            dialtest::Settings settings{{"txtLAT", "45"}, {"txtReclinZ", "30"}};
            settings.insert(settings.end(), set.begin(), set.end());
            SCOPED_TRACE(std::string(item.name) + " " + set.front().first + "=" +
                         set.front().second);
            const auto start = std::chrono::steady_clock::now();
            const dialtest::Outcome o = run(std::string(item.name), settings);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
            EXPECT_TRUE(o.completed || !o.messages.empty());
            EXPECT_TRUE(o.busyChanges.empty() ||
                        o.busyChanges == (std::vector<bool>{true, false}));
            EXPECT_TRUE(allFinite(o.list));
        }
        // The two steps beyond any drawing are refused before anything is drawn, naming the
        // box; the definition only where the programme, or its lines of equal altitude, reads
        // it.
        const dialtest::Outcome hours = run(std::string(item.name), {{"TxtHour", "1e5"}});
        ASSERT_EQ(hours.messages.size(), 1u);
        EXPECT_NE(hours.messages[0].find("Hour fraction"), std::string::npos);
        EXPECT_EQ(hours.drawn(), 0u);
        const dialtest::Outcome fine = run(std::string(item.name),
                                           {{"txtLAT", "45"}, {"txt_Definition", "1e-5"},
                                            {"ckAlt", "1"}, {"txtReclinZ", "30"}});
        const bool refused =
            fine.messages.size() == 1 && fine.messages[0].find("Definition") != std::string::npos;
        EXPECT_EQ(refused, dialtest::readsDefinition(item.name, true));
        if (refused) {
            EXPECT_EQ(fine.drawn(), 0u);
        }
    }
}

// A box the programme greys out, or reads only with a check box left unticked, is never parsed:
// whatever it holds (a number beyond a double, no number), the run draws what it draws with the
// box's design-time text. A box the programme reads holding a number beyond a double, a spelt
// infinity or no number is refused before anything is drawn, named by its caption.
TEST(DriverRefusals, ABoxTheProgrammeDoesNotReadNeverStopsIt) {
    const std::map<std::string_view, std::string_view> readWith = {{"txtNumberSize", "ckRomani"},
        {"TxtZodiacSize", "ckZodiaco"}, {"txtQLat", "ckQibla"}, {"txtQLong", "ckQibla"}};
    // What rundial prints of one run on a device of its own (the display list is compared).
    const auto dial = [](const std::string& programme, const dialtest::Settings& settings) {
        plot::NullDevice device;
        return rundial::runDial({false, programme, settings}, device);
    };
    for (const int tick : {1, 0}) {
        dialtest::Settings base{{"txtLAT", "45"}, {"txtDecl", "20"}, {"txtReclinZ", "30"},
                                {"TxtHour", "1"}};
        for (const shell::ControlInfo& c : shell::controlTable())
            if (c.kind == shell::ControlKind::CheckBox)
                base.emplace_back(c.name, dialtest::number(tick));
        for (const auto& item : shell::programmeMenuItems()) {
            const std::string programme(item.name);
            const std::string drawn = dial(programme, base);
            dialtest::ProgrammeDial chosen(programme);
            for (const shell::ControlInfo& c : shell::controlTable()) {
                if (c.kind != shell::ControlKind::TextBox || c.name == "txtLocation") continue;
                // Unticked, only the boxes read with a check box are read otherwise than ticked.
                if (tick == 0 && !readWith.count(c.name) && c.name != "txt_Definition") continue;
                const bool reads = c.name == "txt_Definition"
                                       ? dialtest::readsDefinition(programme, tick == 1)
                                       : shell::programmeEnables(programme, c.name) &&
                                             (!readWith.count(c.name) || tick == 1);
                const std::string refused = "message\tThe drawing was not started: the " +
                                            shell::caption(chosen.ctx().inputs, c.name) + " box ";
                for (const char* text : reads ? std::vector{"1e400", "-1e400", "inf", "nan", "abc"}
                                              : std::vector{"1e400", "abc"}) {
                    dialtest::Settings settings = base;
                    settings.emplace_back(c.name, text);
                    const std::string out = dial(programme, settings);
                    if (reads) {
                        EXPECT_TRUE(out.starts_with(refused) && out.ends_with("\ntitle\t\n"))
                            << programme << " " << c.name << "=" << text << " ticked " << tick
                            << "\n" << out;
                    } else {
                        EXPECT_TRUE(out == drawn) << programme << " " << c.name << "=" << text;
                    }
                }
            }
        }
    }
}

// On faces holding the polar axis (polar dials in both hemispheres, walls facing due east or
// west, the horizontal plane at the equator: the centre at infinity, one hour's suns in the
// face), on the plane of the equator (no equinoctial) and on a wall facing due north (a substyle
// the stored Pi tilts by 1e-9), no flat programme records anything far off the plot.
TEST(DriverRecords, NothingFarOffWhereTheCentreOrALineLiesAtInfinity) {
    dialtest::Settings ticks;
    for (const shell::ControlInfo& c : shell::controlTable())
        if (c.kind == shell::ControlKind::CheckBox && c.name != "ck_Etna")
            ticks.emplace_back(c.name, "1");
    const std::pair<const char*, const char*> programmes[] = {
        {"M_Inclinati", "option3D4"}, {"M_Inclinati", "option3D5"}, {"M_Frinter", ""},
        {"M_Light", ""}, {"M_Proiettivo", ""}, {"M_nProiettivo", ""}};
    for (const auto& [programme, option] : programmes)
        for (const dialtest::Plane& plane :
             {dialtest::Plane{45, 0, 45}, {-45, 0, -45}, {30, 0, 60}, {45, 180, -45}, {45, 90, 0},
              {-45, -90, 0}, {0, 0, 90}, {0, 180, 0}, {20, 180, 0}}) {
            SCOPED_TRACE(std::string(programme) + " " + option + ", " + dialtest::describe(plane));
            dialtest::Settings settings = dialtest::typedPlane(plane);
            settings.insert(settings.end(), ticks.begin(), ticks.end());
            if (*option) settings.emplace_back(option, "1");
            EXPECT_TRUE(dialtest::nothingFarOff(run(programme, settings).list));
        }
    // The vertical programmes on walls nearly holding the polar axis (near the pole, declining
    // nearly 90 or 180), and on walls typed under another number (270 is the wall of -90), in
    // both hemispheres where the programme works: nothing far off, and the folded wall's drawing.
    auto same = [](const plot::DisplayList& a, const plot::DisplayList& b) {
        auto eq = [](const auto& p, const auto& q) { return p.x == q.x && p.y == q.y; };
        auto eqL = [](const auto& p, const auto& q) {
            return p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.Y2 == q.Y2;
        };
        return std::ranges::equal(a.points, b.points, eq) &&
               std::ranges::equal(a.lines, b.lines, eqL);
    };
    for (const char* programme : {"M_Frinter", "M_Light"})
        for (const double lat : {45.0, -45.0, 0.0, 89.9999, 89.99999999, 90.0, -89.99999999})
            for (const double decl : {1e-7, 89.9999999, 90.0000001, -89.99999999, 179.9999999,
                                      116.7, 270.0, -270.0, 450.0}) {
                SCOPED_TRACE(std::string(programme) + " lat " + std::to_string(lat) + " decl " +
                             std::to_string(decl));
                dialtest::Settings settings = dialtest::typedPlane({lat, decl, 0});
                settings.insert(settings.end(), ticks.begin(), ticks.end());
                const dialtest::Outcome o = run(programme, settings);
                EXPECT_TRUE(dialtest::nothingFarOff(o.list));
                if (std::fabs(decl) < 180) continue;
                settings[1].second = dialtest::number(std::remainder(decl, 360));
                EXPECT_TRUE(same(o.list, run(programme, settings).list));
            }
    // Next to those faces, 1e-12 to 1e-6 degrees off (the centre or a line kilometres away, a
    // plane next to the vertical whose point below the tip lies 1e10 m off, next to the level
    // whose horizon does), in both hemispheres: the projective, flat 3D and spherical programmes.
    const std::pair<const char*, const char*> nearby[] = {
        {"M_Proiettivo", ""}, {"M_nProiettivo", ""}, {"M_Inclinati", "option3D4"},
        {"M_Inclinati", "option3D5"}, {"mnuVertSph", ""}, {"mnuUni", ""}};
    for (const auto& [programme, option] : nearby)
        for (const dialtest::Plane& plane :
             {dialtest::Plane{45, 0, 45.000001}, {30, -120.000000001, -40.8933946527449},
              {60, 150, -26.565051170896}, {45, 90.0000001, 0}, {-45, -90.000000000001, 0},
              {26.75, 0, 1e-9}, {45, 0, 89.999999}, {45, 20, -89.999999999},
              {45, 0, -44.99999999}, {-45, 0, -45.000001}, {60, 180.000001, 0}}) {
            SCOPED_TRACE(std::string(programme) + " " + option + ", " + dialtest::describe(plane));
            dialtest::Settings settings = dialtest::typedPlane(plane);
            settings.insert(settings.end(), ticks.begin(), ticks.end());
            if (*option) settings.emplace_back(option, "1");
            EXPECT_TRUE(dialtest::nothingFarOff(run(programme, settings).list));
        }
    // Labels, numerals and glyphs whose points fall far off (the numbers of a wall all but
    // holding the polar axis, of a long style, the zodiac next to the equator, the numerals of a
    // long style), in both hemispheres: none outside the plot area. The other lines are
    // unticked: every line and shape is a glyph's stroke.
    const std::pair<const char*, dialtest::Settings> marks[] = {
        {"mnuVertSph", {{"txtLAT", "0.00001"}, {"txtDecl", "90"}, {"ck_Italiche", "1"}}},
        {"mnuVertSph", {{"txtLAT", "24.75368"}, {"txtStilo", "1.939706"}, {"ck_Italiche", "1"}}},
        {"mnuVertSph", {{"txtLAT", "-24.75368"}, {"txtStilo", "1.939706"}, {"ckTemp", "1"}}},
        {"mnuVertSph", {{"txtLAT", "-0.00001"}, {"txtDecl", "-150.54"}, {"ckZodiaco", "1"}}},
        {"mnuVertSph", {{"txtLAT", "24.75368"}, {"txtStilo", "1.939706"},
                        {"chkOreAstronomiche", "1"}, {"ckRomani", "1"}}},
        {"mnuUni", {{"txtLAT", "-30"}, {"txtDecl", "90"}, {"txtReclinZ", "20"}, {"txtStilo", "1.5"},
                    {"chkOreAstronomiche", "1"}, {"ckRomani", "1"}}},
    };
    for (const auto& [programme, row] : marks) {
        dialtest::Settings settings = {{"ck_DayLightCurves", "0"}, {"ck_Equinoziale", "0"},
                                       {"chkOreAstronomiche", "0"}, {"ck_Sustilare", "0"},
                                       {"txtDecl", "20"}, {"txtStilo", "1"}};
        settings.insert(settings.end(), row.begin(), row.end());
        SCOPED_TRACE(std::string(programme) + " " + row[0].second + " " + row[1].second);
        const plot::DisplayList list = run(programme, settings).list;
        EXPECT_TRUE(dialtest::nothingFarOff(list));
        EXPECT_TRUE(dialtest::marksInArea(list, 0.3, true));
    }
}

TEST(DriverRecords, NoonAndTheSixesKeepTheirColoursWhateverTheHourFraction) {
    // The hour lines alone, by whole hours and by sevenths, which never sum to 0 or 90 exactly.
    dialtest::Settings hoursOnly;
    for (const shell::ControlInfo& c : shell::controlTable())
        if (c.kind == shell::ControlKind::CheckBox)
            hoursOnly.emplace_back(c.name, c.name == "chkOreAstronomiche" ? "1" : "0");
    const std::pair<const char*, dialtest::Plane> programmes[] = {
        {"M_Light", {45, 10, 0}},         {"M_Inclinati", {45, 0, 90}},
        {"M_Proiettivo", {45, 20, 10}},   {"M_nProiettivo", {45, 20, 10}},
        {"M_Frinter", {-35, -30, 0}},     {"mnuVertSph", {-35, -30, 0}},
        {"mnuUni", {45, 20, 30}},         {"M_CILINDRICI", {45, 10, 0}},
        {"M_Param", {45, 10, 0}},         {"mnuCCs", {45, 10, 0}},
        {"mnuCircp", {45, 10, 0}},        {"M_Parabolico", {45, 10, 0}}};
    auto coloured = [](const plot::DisplayList& list, int index) {
        auto is = [&](const auto& r) { return r.Color == numeric::qbColor(index); };
        return std::ranges::count_if(list.points, is) + std::ranges::count_if(list.lines, is);
    };
    for (const auto& [programme, plane] : programmes) {
        dialtest::Settings settings = dialtest::typedPlane(plane);
        settings.insert(settings.end(), hoursOnly.begin(), hoursOnly.end());
        settings.insert(settings.end(), {{"option3D4", "1"}, {"Option3D1", "1"}, {"TxtHour", "1"}});
        const dialtest::Outcome hours = run(programme, settings);
        settings.back().second = "7";
        const dialtest::Outcome sevenths = run(programme, settings);
        for (int index : {12, 9})
            EXPECT_EQ(coloured(sevenths.list, index), coloured(hours.list, index))
                << programme << ", colour " << index;
    }
}

}  // namespace
