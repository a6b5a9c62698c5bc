// The programme menu: exclusive check marks, the three captions and the enabling of the inputs.

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/control_table.h"
#include "shell/input_record.h"
#include "shell/programme_menu.h"

namespace {

std::vector<std::string> itemNames() {
    std::vector<std::string> names;
    for (const auto& item : shell::programmeMenuItems()) names.emplace_back(item.name);
    return names;
}

TEST(ProgrammeMenu, TheDesignTimeStateIsThatOfTheStartUpProgramme) {
    shell::InputRecord designed;
    shell::InputRecord clicked;
    shell::chooseProgramme(clicked, "mnuVertSph");
    for (const auto& c : shell::controlTable()) {
        EXPECT_EQ(clicked.enabled(c.name), designed.enabled(c.name)) << c.name;
        EXPECT_EQ(clicked.text(c.name), designed.text(c.name)) << c.name;
    }
    EXPECT_EQ(shell::currentProgramme(designed), "mnuVertSph");
}

TEST(ProgrammeMenu, AnyItemLeavesItAloneCheckedNoValueChangedTheCommonInputsEnabled) {
    shell::InputRecord in;
    in.setValue("ck_Lemniscate", 1);
    in.select("option3D5");
    for (const std::string& name : itemNames()) {
        shell::chooseProgramme(in, name);
        int checkedCount = 0;
        for (const std::string& other : itemNames()) checkedCount += in.checked(other) ? 1 : 0;
        EXPECT_EQ(checkedCount, 1) << name;
        EXPECT_EQ(shell::currentProgramme(in), name);
        EXPECT_EQ(in.value("ck_Lemniscate"), 1);
        EXPECT_TRUE(in.selected("option3D5"));
        EXPECT_EQ(in.text("txtRadius"), ".3");
        for (const char* control : {"txtLAT", "txtLON", "txtDecl", "txtStilo", "TxtHour",
                                    "chkOreAstronomiche", "ck_orizzonte", "ck_Triangolo"})
            EXPECT_TRUE(in.enabled(control)) << name << " " << control;
    }
    EXPECT_THROW(shell::chooseProgramme(in, "mnuNothing"), std::out_of_range);
}

TEST(ProgrammeMenu, EachProgrammeEnablesTheInputsItUses) {
    shell::InputRecord in;
    shell::chooseProgramme(in, "M_Inclinati");
    EXPECT_TRUE(in.enabled("Frame2") && in.enabled("option3D4") && in.enabled("txtReclinZ"));
    EXPECT_TRUE(in.enabled("ckQibla") && in.enabled("ckAz"));
    EXPECT_FALSE(in.enabled("txt_Definition") || in.enabled("txtRadius") || in.enabled("ckTemp"));

    // The former projective method has no zone, standard time or analemma.
    shell::chooseProgramme(in, "M_Proiettivo");
    EXPECT_FALSE(in.enabled("TxtFuso") || in.enabled("lblFuso") || in.enabled("ck_Etna") ||
                 in.enabled("ck_Lemniscate"));
    EXPECT_TRUE(in.enabled("txtReclinZ"));
    EXPECT_FALSE(in.enabled("Frame2"));

    // Only the vertical spherical programme draws zodiac signs.
    for (const std::string& name : itemNames()) {
        shell::chooseProgramme(in, name);
        EXPECT_EQ(in.enabled("ckZodiaco"), name == "mnuVertSph") << name;
        EXPECT_EQ(in.enabled("txtRadius"), in.enabled("Option3D1")) << name;
    }

    for (const char* cylinder : {"M_CILINDRICI", "M_Param", "mnuCCs", "mnuCircp", "M_Parabolico"}) {
        shell::chooseProgramme(in, cylinder);
        EXPECT_TRUE(in.enabled("txtRadius") && in.enabled("Ck_Section")) << cylinder;
        EXPECT_FALSE(in.enabled("txtReclinZ")) << cylinder;
    }
    shell::chooseProgramme(in, "M_Light");
    EXPECT_TRUE(in.enabled("ck_Asintoti") && in.enabled("ckTemp") && in.enabled("txt_Definition"));
    EXPECT_FALSE(in.enabled("txtRadius") || in.enabled("ckRomani"));
}

TEST(ProgrammeMenu, CaptionsFollowTheProgrammeAndSomeItemsLeaveThemAsTheyAre) {
    shell::InputRecord in;
    shell::chooseProgramme(in, "M_Light");
    EXPECT_EQ(in.text("lblLatitudine"), "Latitude");
    shell::chooseProgramme(in, "M_Frinter");
    EXPECT_EQ(in.text("lblLatitudine"), "Latitude N +, S -");

    shell::chooseProgramme(in, "M_Parabolico");
    EXPECT_EQ(in.text("lblradius"), "Radius of curvature");
    shell::chooseProgramme(in, "M_Light");
    EXPECT_EQ(in.text("lblradius"), "Radius of curvature");
    EXPECT_FALSE(in.enabled("lblradius"));
    shell::chooseProgramme(in, "M_Param");
    EXPECT_EQ(in.text("lblradius"), "Radius");

    shell::chooseProgramme(in, "M_nProiettivo");
    EXPECT_EQ(in.text("p_Stilo"), "Perpendicular style ");
    shell::chooseProgramme(in, "M_Parabolico");
    EXPECT_EQ(in.text("p_Stilo"), "Perpendicular style ");
    shell::chooseProgramme(in, "mnuUni");
    EXPECT_EQ(in.text("p_Stilo"), "Perpendicular style");
}

}  // namespace
