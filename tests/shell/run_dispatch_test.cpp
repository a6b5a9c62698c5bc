// Run, Reset: the signs Run sets, the order in which it picks the driver, and what happens when
// a driver fails.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "plot/user_services.h"
#include "shell/control_table.h"
#include "shell/programme_menu.h"
#include "shell/refusal.h"
#include "shell/run_dispatch.h"
#include "support/dial_fixture.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace {

// Check marks in Run's order, with the driver Run calls for each.
const std::vector<std::pair<std::string, std::string>> kChain = {
    {"M_Light", "RunLightGraphDial"},
    {"M_CILINDRICI", "RunCylCircular3D"},
    {"M_Proiettivo", "RunProjectiveFormer"},
    {"M_Parabolico", "RunCylParabolic3D"},
    {"M_Param", "RunCylCircularParam"},
    {"M_nProiettivo", "RunProjectiveLatter"},
    {"M_Frinter", "RunVertical2D"},
    {"mnuCCs", "RunCylCircularSpherical"},
    {"mnuCircp", "RunCylCircularProjective"},
    {"mnuVertSph", "RunVerticalSpherical"},
    {"mnuUni", "RunInclinedSpherical"},
};

class RunDispatch : public ::testing::Test {
protected:
    RunDispatch() {
        auto record = [this](const char* name) {
            return [this, name](shell::Context&) { called.emplace_back(name); };
        };
        drivers.RunLightGraphDial = record("RunLightGraphDial");
        drivers.RunCylCircular3D = record("RunCylCircular3D");
        drivers.RunProjectiveFormer = record("RunProjectiveFormer");
        drivers.RunCylParabolic3D = record("RunCylParabolic3D");
        drivers.RunCylCircularParam = record("RunCylCircularParam");
        drivers.RunProjectiveLatter = record("RunProjectiveLatter");
        drivers.RunVertical2D = record("RunVertical2D");
        drivers.RunCylCircularSpherical = record("RunCylCircularSpherical");
        drivers.RunCylCircularProjective = record("RunCylCircularProjective");
        drivers.RunVerticalSpherical = record("RunVerticalSpherical");
        drivers.RunInclinedSpherical = record("RunInclinedSpherical");
        drivers.RunInclinedDialVarX = record("RunInclinedDialVarX");
        drivers.RunInclinedDialVarY = record("RunInclinedDialVarY");
    }

    void checkOnly(const std::vector<std::string>& items) {
        for (const auto& item : shell::programmeMenuItems()) in.setChecked(item.name, false);
        for (const auto& item : items) in.setChecked(item, true);
    }
    bool run() {
        called.clear();
        return shell::Command1_Click(system.context(), drivers);
    }
    // Whether Run refuses, before any driver, with one message naming the box.
    bool refused(const std::string& box) {
        const std::size_t before = system.services.messages.size();
        const bool completed = run();
        if (completed || !called.empty() || system.services.messages.size() != before + 1)
            return false;
        const std::string& message = system.services.messages.back();
        return message.find(box) != std::string::npos &&
               message.find("not started") != std::string::npos;
    }

    testsupport::RecordingDevice device;
    rundial::DialSystem system{device};
    shell::InputRecord& in = system.inputs;
    shell::Module1& m = system.m;
    shell::DriverTable drivers;
    std::vector<std::string> called;
};

TEST_F(RunDispatch, SetsTheSigns) {
    struct Case {
        const char *lon, *lat;
        int east, hemisphere;
    };
    for (const Case& c : {Case{"-7.6438", "-45.7438", 1, -1}, Case{"7.6438", "0", -1, 1},
                          Case{"", "", -1, 1}, Case{"0", "45", -1, 1}}) {
        in.setText("txtLON", c.lon);
        in.setText("txtLAT", c.lat);
        run();
        EXPECT_EQ(m.EastSign, c.east) << c.lon;
        EXPECT_EQ(m.HemisphereSign, c.hemisphere) << c.lat;
        EXPECT_EQ(m.DeclSign, 1);
    }
}

TEST_F(RunDispatch, DataIsEnabledByARunThatDrewSomethingOnly) {
    drivers.RunVerticalSpherical = [](shell::Context& ctx) { ctx.ixPlot1().xPset(0, 0, 12); };
    EXPECT_TRUE(run());
    EXPECT_TRUE(in.enabled("cmdData"));
    in.setText("txtLAT", "2e9");  // refused by Run
    EXPECT_FALSE(run());
    EXPECT_FALSE(in.enabled("cmdData"));
    in.setText("txtLAT", "45");
    EXPECT_TRUE(run());
    drivers.RunVerticalSpherical = [](shell::Context& ctx) { shell::refuse(ctx, true, "no"); };
    EXPECT_TRUE(run());  // refused by its driver
    EXPECT_FALSE(in.enabled("cmdData"));
}

TEST_F(RunDispatch, TheFirstCheckedItemInRunOrderWinsAndNoOtherRuns) {
    for (std::size_t first = 0; first < kChain.size(); ++first) {
        std::vector<std::string> items;
        for (std::size_t i = first; i < kChain.size(); ++i) items.push_back(kChain[i].first);
        checkOnly(items);
        EXPECT_TRUE(run());
        EXPECT_EQ(called, std::vector<std::string>{kChain[first].second}) << kChain[first].first;
    }
    checkOnly({});
    run();
    EXPECT_TRUE(called.empty());
}

TEST_F(RunDispatch, TheFlat3DProgrammeRunsAfterTheChainByItsFreeVariable) {
    checkOnly({"M_Inclinati"});
    run();
    EXPECT_EQ(called, std::vector<std::string>{"RunInclinedDialVarX"});
    in.select("option3D5");
    run();
    EXPECT_EQ(called, std::vector<std::string>{"RunInclinedDialVarY"});
    checkOnly({"mnuUni", "M_Inclinati", "M_Frinter"});
    run();
    EXPECT_EQ(called, (std::vector<std::string>{"RunVertical2D", "RunInclinedDialVarY"}));
}

TEST_F(RunDispatch, AFailingDriverStopsTheRunKeepsTheDrawingAndRestoresTheCursor) {
    bool later = false;
    drivers.RunVerticalSpherical = [](shell::Context& ctx) {
        plot::BusyCursor busy(ctx.services);
        ctx.ixPlot1().Messaggio("half drawn");
        ctx.ixPlot1().xLine(0, 0, 0.1, 0.1, 12);
        ctx.m.HourStep = numeric::checkedDiv(15, ctx.inputs.number("TxtHour") - 2);
        ctx.ixPlot1().xLine(0, 0, 0.2, 0.2, 12);
    };
    drivers.RunInclinedDialVarX = [&](shell::Context&) { later = true; };
    checkOnly({"mnuVertSph", "M_Inclinati"});

    EXPECT_FALSE(run());
    EXPECT_FALSE(later);
    EXPECT_EQ(system.surface().displayList().lines.size(), 1u);
    EXPECT_EQ(system.surface().view().title, "half drawn");
    EXPECT_FALSE(system.services.busy);
    EXPECT_EQ(system.services.busyChanges, (std::vector<bool>{true, false}));
    ASSERT_EQ(system.services.messages.size(), 1u);
    EXPECT_NE(system.services.messages[0].find("division by zero"), std::string::npos);

    // The process goes on: the next Run with good inputs completes.
    in.setText("TxtHour", "4");
    EXPECT_TRUE(run());
    EXPECT_EQ(system.surface().displayList().lines.size(), 3u);
}

TEST_F(RunDispatch, AnyOtherErrorOfADriverIsContainedToo) {
    drivers.RunVerticalSpherical = [](shell::Context& ctx) {
        plot::BusyCursor busy(ctx.services);
        throw std::runtime_error("broken");
    };
    EXPECT_FALSE(run());
    EXPECT_FALSE(system.services.busy);
    ASSERT_EQ(system.services.messages.size(), 1u);
    EXPECT_NE(system.services.messages[0].find("broken"), std::string::npos);
}

TEST_F(RunDispatch, StepsFinerThanAnyDrawingOrBoxesNoDialCanTakeAreRefusedBeforeAnyDriverRuns) {
    // Each row: a box, what it holds, and a word of its refusal ("" where the programme runs).
    struct Row {
        const char *box, *value, *named;
    };
    in.setValue("ckQibla", 1);  // the Qibla's boxes are read where its line is drawn
    for (const auto& item : shell::programmeMenuItems()) {
        checkOnly({std::string(item.name)});
        // The radius (or radius of curvature) and the zone where the programme reads them.
        const char* radius = shell::programmeEnables(item.name, "txtRadius") ? "Radius" : "";
        const char* large = *radius ? "too large" : "";
        const char* zone = shell::programmeEnables(item.name, "TxtFuso") ? "S.T. Zone" : "";
        const bool qibla = shell::programmeEnables(item.name, "txtQLat");
        const char* declination =
            shell::programmeEnables(item.name, "txtlineofdeclination") ? "Declination line" : "";
        const char* hour = "Hour fraction";
        const char* style = "Perpendicular style";
        for (const Row& row :
             {Row{"TxtHour", "1e5", hour}, {"TxtHour", "-61", hour}, {"TxtHour", "-2", hour},
              {"TxtHour", "0", hour}, {"TxtHour", "", hour}, {"TxtHour", "abc", hour},
              {"TxtHour", "60", ""}, {"TxtHour", "1e-320", "too small"},
              {"txtStilo", "0", style}, {"txtStilo", "", style}, {"txtStilo", "-0.1", style},
              {"txtStilo", "-inf", style}, {"txtStilo", "1e308", "too large"},
              {"txtStilo", "Inf", "too large"}, {"txtStilo", "1e400", "too large"},
              {"txtStilo", "2000", "too large"}, {"txtStilo", "1999", ""},
              {"txtStilo", "1e-10", "too small"}, {"txtRadius", "0", radius},
              {"txtRadius", "-1", radius}, {"txtRadius", "1e15", large},
              {"txtRadius", "inf", large}, {"txtLON", "1e9", "Longitude"},
              {"txtLON", "-infinity", "Longitude"}, {"txtLON", "-999999999", ""},
              {"txtLAT", "1e-320", "equator"}, {"txtLAT", "-9e-6", "equator"},
              {"txtLAT", "-1e-400", "equator"}, {"txtLON", "1e-400", "too small"},
              {"txtStilo", "1e-999", "too small"}, {"txtLAT", "0e-400", ""},
              {"txtLAT", "-0.00001", ""}, {"txtLAT", "90.001", "between -90 and 90"},
              {"txtLAT", "-90", ""}, {"txtLAT", " 45\t", ""}, {"txtLAT", "abc", "\"abc\""},
              {"txtLAT", "45,5", "Latitude"}, {"txtLAT", "45N", "not a number"},
              {"txtLON", "7-", "Longitude"}, {"txtStilo", "0.2m", style},
              {"txtQLat", "-91", qibla ? "between -90 and 90" : ""}, {"TxtFuso", "CET", zone},
              {"txtlineofdeclination", "380", declination}, {"txtlineofdeclination", "-90", ""},
              {"txtlineofdeclination", "60", ""},
              {"TxtFuso", "UTC+1", zone}, {"TxtFuso", "1e308", zone}}) {
            const std::string kept = in.text(row.box);
            in.setText(row.box, row.value);
            EXPECT_TRUE(*row.named ? refused(row.named) : run())
                << item.name << " " << row.box << "=" << row.value;
            in.setText(row.box, kept);
        }
        called.clear();
        EXPECT_TRUE(run()) << item.name;
        EXPECT_EQ(called.size(), 1u) << item.name;
    }
    EXPECT_EQ(system.surface().displayList().DrawOrder.size(), 0u);

    // The definition, where the programme of the run reads it, or its lines of equal altitude.
    in.setText("TxtHour", "12");
    in.setText("txt_Definition", "1e-12");
    for (const int altitude : {0, 1}) {
        in.setValue("ckAlt", altitude);
        for (const auto& item : shell::programmeMenuItems()) {
            checkOnly({std::string(item.name)});
            if (dialtest::readsDefinition(item.name, altitude)) {
                EXPECT_TRUE(refused("Definition")) << item.name;
            } else {
                EXPECT_TRUE(run()) << item.name;
            }
        }
    }
    checkOnly({"M_Frinter", "M_Inclinati"});
    EXPECT_TRUE(refused("Definition"));
    checkOnly({"M_Proiettivo"});
    EXPECT_TRUE(run());
    checkOnly({"M_Light"});
    for (const char* noStep : {"-0.05", "-1", "-50", "0", "", "0,5", "abc"}) {
        in.setText("txt_Definition", noStep);
        EXPECT_TRUE(refused("Definition")) << noStep;
    }
    in.setText("txt_Definition", "0.1");
    EXPECT_TRUE(run());
    // With no programme chosen nothing is run, nor refused.
    checkOnly({});
    in.setText("TxtHour", "1e5");
    const std::size_t messages = system.services.messages.size();
    EXPECT_TRUE(run());
    EXPECT_EQ(system.services.messages.size(), messages);
}

TEST_F(RunDispatch, EveryNumberBoxAProgrammeReadsIsReadAsTypedAndNamedByItsCaption) {
    // Every text box of the panel but the Qibla place's name holds a number: its caption.
    const std::map<std::string_view, std::string> captions = {
        {"txtLAT", "the Latitude"},          {"txtDecl", "the Declination W +, E - box"},
        {"txtLON", "the Longitude W +, E - box"}, {"txtStilo", "the Perpendicular style box"},
        {"txtlineofdeclination", "the Declination line box"},
        {"TxtFuso", "the S.T. Zone: CEM=-1 box"}, {"TxtHour", "the Hour fraction box"},
        {"txtReclinZ", "the Reclination Z box"},  {"txtRadius", "the Radius"},
        {"txt_Definition", "the Definition box"}, {"txtNumberSize", "the Roman Numerals box"},
        {"txtQLat", "the Lat. box"},              {"txtQLong", "the Lon. box"},
        {"TxtZodiacSize", "the Zodiac box"}};
    // Boxes read only where their check box is ticked.
    const std::map<std::string_view, std::string_view> readWith = {{"txtNumberSize", "ckRomani"},
        {"TxtZodiacSize", "ckZodiaco"}, {"txtQLat", "ckQibla"}, {"txtQLong", "ckQibla"}};
    // Each row: a text, and whether a box holding it is refused where it is read (a size box:
    // the text is its size).
    struct Row {
        const char* text;
        bool refused, sizeOnly;
    };
    for (const int tick : {0, 1}) {
        for (const char* box : {"ckRomani", "ckZodiaco", "ckQibla", "ckAlt"}) in.setValue(box, tick);
        for (const auto& item : shell::programmeMenuItems()) {
            checkOnly({std::string(item.name)});
            for (const shell::ControlInfo& c : shell::controlTable()) {
                if (c.kind != shell::ControlKind::TextBox || c.name == "txtLocation") continue;
                ASSERT_EQ(captions.count(c.name), 1u) << c.name;
                const bool read = c.name == "txt_Definition"
                                      ? dialtest::readsDefinition(item.name, tick == 1)
                                      : shell::programmeEnables(item.name, c.name) &&
                                            (!readWith.count(c.name) || tick == 1);
                const bool size = c.name == "txtNumberSize" || c.name == "TxtZodiacSize";
                const std::string kept = in.text(c.name);
                for (const Row& row : {Row{"abc", true, false}, {"4\u00a0", true, false},
                                       {"-0.05", true, true}, {"0", true, true},
                                       {"15", true, true}, {"14.99", false, true}}) {
                    if (row.sizeOnly && !size) continue;
                    in.setText(c.name, row.text);
                    EXPECT_TRUE(read && row.refused ? refused(captions.at(c.name)) : run())
                        << item.name << " " << c.name << "=" << row.text << " ticked " << tick;
                }
                in.setText(c.name, kept);
            }
        }
    }
}

// A latitude nearer the equator than MinLatitude is refused with advice that names latitudes
// the programme draws, and only those: its driver refuses none of them.
TEST(LatitudeAdvice, NamesTheLatitudesTheProgrammeDraws) {
    for (const auto& item : shell::programmeMenuItems()) {
        const dialtest::Outcome tiny = dialtest::runProgramme(item.name, {{"txtLAT", "-1e-7"}});
        ASSERT_EQ(tiny.messages.size(), 1u) << item.name;
        const std::string& advice = tiny.messages[0];
        const bool equator = advice.find("type 0 for the equator") != std::string::npos;
        const bool south = advice.find("0.00001 in size") != std::string::npos;
        for (const auto& [lat, advised] : {std::pair{"0", equator}, std::pair{"0.00001", true},
                                           std::pair{"-0.00001", south}}) {
            const dialtest::Outcome o = dialtest::runProgramme(item.name, {{"txtLAT", lat}});
            EXPECT_EQ(o.messages.empty() && !o.list.DrawOrder.empty(), advised)
                << item.name << " at " << lat << ": " << advice;
        }
    }
}

TEST_F(RunDispatch, ARunThatWouldLoopBeyondItsBudgetIsStoppedAndSaysSo) {
    // Lines of a thousand points each: 5000 lines fit the run's budget, 7000 do not.
    double lines = 0;
    std::size_t rounds = 0;
    drivers.RunVerticalSpherical = [&](shell::Context& ctx) {
        plot::BusyCursor busy(ctx.services);
        for (double line : numeric::StepRange(1, lines, 1)) {
            ctx.ixPlot1().xPset(0, line / 1e5, 12);
            for (double t : numeric::StepRange(0, 999, 1)) rounds += t >= 0;
        }
    };
    checkOnly({"mnuVertSph"});
    lines = 5000;
    EXPECT_TRUE(run());
    EXPECT_EQ(rounds, 5'000'000u);
    EXPECT_TRUE(system.services.messages.empty());

    rounds = 0;
    lines = 7000;
    EXPECT_FALSE(run());
    EXPECT_LE(rounds, shell::RunRoundBudget);
    EXPECT_FALSE(system.services.busy);
    ASSERT_EQ(system.services.messages.size(), 1u);
    EXPECT_NE(system.services.messages[0].find("incomplete"), std::string::npos);
    EXPECT_NE(system.services.messages[0].find("Definition"), std::string::npos);

    // A procedure that skips its failing statements goes on, but is stopped as soon as it
    // starts another loop, and the run is reported as stopped all the same.
    drivers.RunVerticalSpherical = [&](shell::Context&) {
        for (double line : numeric::StepRange(1, lines, 1))
            numeric::skip([&] {
                for (double t : numeric::StepRange(0, 999, 1)) rounds += t >= line;
            });
    };
    EXPECT_FALSE(run());
    ASSERT_EQ(system.services.messages.size(), 2u);
    EXPECT_EQ(system.services.messages[1], system.services.messages[0]);

    // A loop no budget could pay is reported the same way.
    drivers.RunVerticalSpherical = [](shell::Context& ctx) {
        numeric::skip([&] {
            for (double t : numeric::StepRange(-2, 2, 2e-15)) ctx.ixPlot1().xPset(t, 0, 12);
        });
    };
    EXPECT_FALSE(run());
    EXPECT_EQ(system.services.messages.size(), 3u);

    // Each run has a budget of its own.
    drivers.RunVerticalSpherical = [&](shell::Context&) {
        for (double t : numeric::StepRange(0, 999, 1)) rounds += t >= 0;
    };
    EXPECT_TRUE(run());
    EXPECT_EQ(system.services.messages.size(), 3u);
}

TEST_F(RunDispatch, ResetEmptiesTheDrawingAndTheTitleAndKeepsTheRest) {
    system.surface().xLine(0, 0, 1, 1, 4);
    system.surface().Messaggio("a title");
    in.setText("txtLAT", "12");
    in.setEnabled("cmdData", true);
    const double shiftX = system.surface().ShiftX();
    const double height = system.surface().QuadranteH();

    shell::Command2_Click(system.context(), [this] { system.recreatePlot(); });
    EXPECT_TRUE(system.surface().displayList().DrawOrder.empty());
    EXPECT_EQ(system.surface().view().title, "");
    EXPECT_EQ(system.surface().ShiftX(), shiftX);
    EXPECT_EQ(system.surface().QuadranteH(), height);
    EXPECT_EQ(in.text("txtLAT"), "12");
    EXPECT_TRUE(in.enabled("cmdData"));
    EXPECT_EQ(shell::currentProgramme(in), "mnuVertSph");
}

}  // namespace
