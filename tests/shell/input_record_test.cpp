// The input record: design-time state, the kinds of state each control has, option groups and
// the observers.

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/control_table.h"
#include "shell/input_record.h"
#include "shell/parametri.h"

namespace {

TEST(InputRecord, StartsFromTheDesignTimeState) {
    shell::InputRecord in;
    EXPECT_EQ(in.text("txtLAT"), "-45.7438");
    EXPECT_EQ(in.text("txtLON"), "-7.6438");
    EXPECT_EQ(in.text("txtStilo"), ".2");
    EXPECT_DOUBLE_EQ(in.number("txtStilo"), 0.2);
    EXPECT_EQ(in.value("ck_DayLightCurves"), 1);
    EXPECT_EQ(in.value("ck_Lemniscate"), 0);
    EXPECT_TRUE(in.selected("option3D4"));
    EXPECT_FALSE(in.selected("option3D5"));
    EXPECT_TRUE(in.selected("Option3D2"));
    EXPECT_EQ(in.text("lblradius"), "Radius ");
    EXPECT_FALSE(in.enabled("txtRadius"));
    EXPECT_FALSE(in.enabled("cmdData"));
    EXPECT_TRUE(in.enabled("Command1"));
    for (const auto& item : shell::programmeMenuItems())
        EXPECT_EQ(in.checked(item.name), item.name == "mnuVertSph") << item.name;
}

TEST(InputRecord, UnknownNamesAndMismatchedKindsAreProgrammingErrors) {
    shell::InputRecord in;
    EXPECT_THROW((void)in.text("txtNothing"), std::out_of_range);
    EXPECT_THROW(in.setEnabled("txtNothing", true), std::out_of_range);
    EXPECT_THROW((void)in.value("txtLAT"), std::invalid_argument);
    EXPECT_THROW((void)in.selected("ckAz"), std::invalid_argument);
    EXPECT_THROW(in.setChecked("txtLAT", true), std::invalid_argument);
    EXPECT_THROW(in.setValue("ckAz", 3), std::invalid_argument);
    EXPECT_EQ(in.value("ckAz"), 0);
}

TEST(InputRecord, SelectingAnOptionClearsOnlyItsOwnGroup) {
    shell::InputRecord in;
    in.select("option3D5");
    EXPECT_FALSE(in.selected("option3D4"));
    EXPECT_TRUE(in.selected("option3D5"));
    EXPECT_TRUE(in.selected("Option3D2"));
    in.select("Option3D1");
    EXPECT_FALSE(in.selected("Option3D2"));
    EXPECT_TRUE(in.selected("option3D5"));
}

TEST(InputRecord, ObserversHearEveryChangeAndNothingElse) {
    shell::InputRecord in;
    std::vector<std::string> heard;
    const int id = in.addObserver([&](const std::string& name) { heard.push_back(name); });
    in.setText("txtLAT", "10");
    in.setText("txtLAT", "10");         // no change
    in.setValue("ckAz", 1);
    in.select("option3D5");
    in.setChecked("M_Light", true);
    in.setEnabled("cmdData", true);
    EXPECT_EQ(heard, (std::vector<std::string>{"txtLAT", "ckAz", "option3D4", "option3D5",
                                               "M_Light", "cmdData"}));
    in.removeObserver(id);
    in.setText("txtLAT", "11");
    EXPECT_EQ(heard.size(), 6u);
}

TEST(InputRecord, AnObserverMayRemoveItselfWhileBeingTold) {
    shell::InputRecord in;
    int calls = 0;
    int id = 0;
    id = in.addObserver([&](const std::string&) {
        ++calls;
        in.removeObserver(id);
    });
    int otherCalls = 0;
    in.addObserver([&](const std::string&) { ++otherCalls; });
    in.setText("txtLAT", "1");
    in.setText("txtLAT", "2");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(otherCalls, 2);
}

TEST(ControlTable, EveryStoredInputHasOneKeyAndEveryKeyOneControl) {
    int stored = 0;
    int filtered = 0;
    for (const auto& c : shell::controlTable()) {
        if (!c.parameterKey.empty()) ++stored;
        if (c.numericKeyFilter) ++filtered;
        EXPECT_FALSE(c.numericKeyFilter && (c.name == "TxtFuso" || c.name == "txtLocation"));
    }
    EXPECT_EQ(stored, 19);
    EXPECT_EQ(filtered, 13);
    auto keys = shell::parameterSaveOrder();
    for (auto key : keys) {
        const auto* control = shell::findControlByParameterKey(key);
        ASSERT_NE(control, nullptr) << key;
        EXPECT_TRUE(control->kind == shell::ControlKind::TextBox ||
                    control->kind == shell::ControlKind::CheckBox);
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::unique(keys.begin(), keys.end()), keys.end());
}

}  // namespace
