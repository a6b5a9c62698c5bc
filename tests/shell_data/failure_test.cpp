// The list never stops in silence: a box whose number it cannot use is named before any line is
// written, a box the programme does not use is not read (or, where the list needs it, its lines
// are replaced by where to edit it), and a numerical failure ends the list at the failing line
// with a message. Nothing escapes to the caller, no infinity or NaN is
// written, and the next click works.

#include <algorithm>
#include <cmath>

#include "data_fixture.h"
#include "shell/control_table.h"
#include "shell/programme_menu.h"

namespace shelldata {
namespace {

class ListFailure : public DataListTest {};

TEST_F(ListFailure, ZeroDenominatorEndsTheListAtItsLineAndSaysSo) {
    // The last run was at the equator; the latitude box now says 45. The horizontal hour
    // divides by tan(30) * sin(latitude of the run) = 0.
    wall("30", "0");
    lastRun(0);
    inputs.setText("txtLAT", "45");
    ASSERT_NO_THROW(click());
    const auto all = texts();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front(), "DATA: ");
    EXPECT_EQ(all.back(), "substyle hour:    18 h");
    EXPECT_EQ(plot.displayList().texts.size(), all.size());
    EXPECT_FALSE(services.busy);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("stops where it is"), std::string::npos);

    // After a run at the new latitude the whole list is written again.
    lastRun(45);
    device.forget();
    click();
    EXPECT_EQ(texts().back(), "critical declination of the sun = -20.7");
}

TEST_F(ListFailure, UnusableNumberIsNamedBeforeAnyLine) {
    struct Case {
        const char* programme;
        const char* box;
        const char* text;
        const char* caption;  // "" = the box is not read: the whole list is written
    };
    const Case cases[] = {
        {"M_Inclinati", "txtReclinZ", "1e308", "Reclination Z"},
        {"M_Light", "txtReclinZ", "1e308", ""},
        {"M_Frinter", "txtReclinZ", "-1e400", ""},
        {"M_Inclinati", "txtStilo", "1e300", "Perpendicular style"},
        {"M_Light", "TxtFuso", "1e308", "S.T. Zone: CEM=-1"},
        {"mnuUni", "txtlineofdeclination", "2e9", "Declination line"},
        {"M_Frinter", "txtLAT", "1e400", "Latitude N +, S -"},
        // A box typed over with text since the run: none is read as 0, or as its leading number.
        {"M_Frinter", "txtLAT", "abc", "Latitude N +, S -"},
        {"M_Inclinati", "txtLAT", "45,5", "Latitude N +, S -"},
        {"M_Light", "TxtFuso", "CET", "S.T. Zone: CEM=-1"},
        {"M_Inclinati", "txtLON", "7-", "Longitude W +, E -"},
        {"mnuUni", "txtDecl", "20\u00a0", "Declination W +, E -"},
        {"M_Inclinati", "txtReclinZ", "\u221220", "Reclination Z"},
        {"M_Light", "txtReclinZ", "abc", ""},
        {"M_Param", "txtStilo", "0.2m", "Perpendicular style"},
        {"mnuVertSph", "txtlineofdeclination", "2O", "Declination line"},
        // A number Run refuses in that box is refused by the list too.
        {"M_Inclinati", "txtLAT", "100", "Latitude N +, S -"},
        {"M_Frinter", "txtLAT", "1e-7", "Latitude N +, S -"},
        {"M_Inclinati", "txtStilo", "0", "Perpendicular style"},
        {"M_Light", "txtStilo", "-1", "Perpendicular style"},
        {"mnuVertSph", "txtStilo", "1e6", "Perpendicular style"},
        {"M_Frinter", "txtLAT", "1e-400", "Latitude N +, S -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.programme) + " " + c.box + "=" + c.text);
        device.forget();
        services.messages.clear();
        choose(c.programme);
        wall("20", "-20");
        const std::string kept = inputs.text(c.box);
        inputs.setText(c.box, c.text);
        ASSERT_NO_THROW(click());
        inputs.setText(c.box, kept);
        if (*c.caption) {
            EXPECT_TRUE(texts().empty());
            ASSERT_EQ(services.messages.size(), 1u);
            EXPECT_NE(services.messages[0].find(std::string("the ") + c.caption + " box"),
                      std::string::npos)
                << services.messages[0];
        } else {
            EXPECT_TRUE(services.messages.empty());
            EXPECT_EQ(texts().back().rfind("critical declination of the sun = ", 0), 0u);
            EXPECT_EQ(indexOf("Reclination 0"), 4u);
        }
        for (const auto& text : texts()) {
            EXPECT_EQ(text.find("inf"), std::string::npos) << text;
            EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        }
    }
}

// A box the programme greys out cannot be edited there, so the list never refuses it: the
// declination line box (or the zone, in the programme that greys that out) holding nothing the
// list can use leaves out the lines that need it, says where the box is edited, and lists the
// rest as with a good number. Where the programme reads the box it is refused as before.
TEST_F(ListFailure, ABoxTheProgrammeGreysOutNeverStopsTheList) {
    const auto list = [&](const std::string& programme, const char* box, const char* text) {
        device.forget();
        services.messages.clear();
        choose(programme);
        const std::string kept = inputs.text(box);
        inputs.setText(box, text);
        click();
        inputs.setText(box, kept);
        return texts();
    };
    // The list with its lines from the one that begins with `from` up to the one that begins
    // with `to` (the end where there is none; the next line where `to` is "") replaced.
    const auto replaced = [](std::vector<std::string> all, const std::string& from,
                             const std::string& to, const std::vector<std::string>& lines) {
        const auto begins = [](const std::string& text) {
            return [&text](const std::string& t) { return t.starts_with(text); };
        };
        const auto first = std::find_if(all.begin(), all.end(), begins(from));
        const auto last = to.empty() ? first + 1 : std::find_if(first, all.end(), begins(to));
        all.insert(all.erase(first, last), lines.begin(), lines.end());
        return all;
    };
    for (const auto& item : shell::programmeMenuItems()) {
        const std::string programme(item.name);
        const std::vector<std::string> good = list(programme, "txtlineofdeclination", "20");
        ASSERT_TRUE(services.messages.empty());
        for (const char* text : {"abc", "1e400", "-1e400", "inf", "nan", "95"}) {
            SCOPED_TRACE(programme + " " + text);
            const std::vector<std::string> shown = list(programme, "txtlineofdeclination", text);
            if (shell::programmeEnables(programme, "txtlineofdeclination")) {
                EXPECT_TRUE(shown.empty());
                ASSERT_EQ(services.messages.size(), 1u);
                EXPECT_NE(services.messages[0].find("Declination line"), std::string::npos);
                continue;
            }
            EXPECT_TRUE(services.messages.empty());
            EXPECT_EQ(shown, replaced(good, "Sun's declination = ", "substyle hour = ",
                                      {"Sun's declination: not listed, as the Declination line "
                                       "box holds \"" + std::string(text) + "\";",
                                       "edit that box under Flat 6) or 7), or compute it on the "
                                       "Utilities board"}));
        }
    }
    const std::vector<std::string> good = list("M_Proiettivo", "TxtFuso", "-1");
    EXPECT_EQ(list("M_Proiettivo", "TxtFuso", "CET"),
              replaced(good, "longitude correction: ", "",
                       {"longitude correction: not listed, as the S.T. Zone: CEM=-1 box holds "
                        "\"CET\";", "edit that box under any other programme"}));
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace shelldata
