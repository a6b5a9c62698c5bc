// The driver and the input reader of the vertical dial by spherical trigonometry: the southern
// wall remapped and folded once, the zone correction, the labels the boxes let through, and the
// run an hour fraction of 0 stops.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vertical_fixture.h"

namespace vsphtest {
namespace {

TEST(VertSphReader, TurnsASouthernWallToTheNorthFoldsOnceAndCorrectsForTheZone) {
    struct Case {
        double lat, typed, stored;
    };
    for (const Case c : {Case{-45, 0, 180}, Case{-45, 30, 150}, Case{-45, -200, 20},
                         Case{45, 200, -160}, Case{0, 30, 30}, Case{45, 600, -120}}) {
        VertSphDial dial({c.lat, c.typed}, {{"txtLON", "-7.6438"}, {"TxtFuso", "-1"}});
        ASSERT_TRUE(dial.setUp());
        EXPECT_EQ(dial.m().DeclDecimal, c.stored) << c.lat << " " << c.typed;
        EXPECT_EQ(dial.m().WallDeclRad, c.stored * kPi / 180);
        EXPECT_NEAR(dial.m().ZoneCorrRad, 7.3562 * kPi / 180, 1e-15);
        EXPECT_EQ(dial.m().HourStep, 7.5);
        EXPECT_EQ(dial.m().PointStep, 0.01);
    }
}

TEST(VertSphDriver, LabelsFollowTheRomanNumeralsAndTheOtherHours) {
    auto texts = [](const std::vector<std::string>& boxes) {
        Settings s = {{"txtLAT", "45"}, {"txtDecl", "0"}};
        for (const char* box : {"ck_Italiche", "ck_babiloniche", "ckTemp", "ckRomani"})
            s.emplace_back(box, "0");
        for (const std::string& box : boxes) s.emplace_back(box, "1");
        std::vector<std::string> out;
        for (const auto& t : dialtest::runProgramme("mnuVertSph", s).list.texts)
            out.push_back(t.text.substr(0, 4));
        return out;
    };
    // Italian and Babylonian numbers (" 13 ", " 6 "), no bare temporary ones.
    const auto all = texts({"ck_Italiche", "ck_babiloniche", "ckTemp"});
    EXPECT_EQ(std::count(all.begin(), all.end(), " 13 "), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), " 6  "), 1);
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const std::string& t) { return t[0] != ' '; }), 0);
    // Temporary alone: "3" to "9" are cast, "4" to "8" within the plot area.
    EXPECT_EQ(texts({"ckTemp"}), (std::vector<std::string>{"4   ", "5   ", "6   ", "7   ", "8   "}));
    EXPECT_TRUE(texts({"ck_Italiche", "ck_babiloniche", "ckTemp", "ckRomani"}).empty());
}

TEST(VertSphDriver, NoStyleOrHourFractionIsRefusedBeforeTheRun) {
    // A style of no length, whose every shadow would fall on its foot, or an hour fraction of 0.
    for (const auto& [box, named] : {std::pair{"txtStilo", "Perpendicular style"},
                                     std::pair{"TxtHour", "Hour fraction"}}) {
        const dialtest::Outcome o = dialtest::runProgramme("mnuVertSph", {{box, "0"}});
        ASSERT_EQ(o.messages.size(), 1u);
        EXPECT_NE(o.messages[0].find(named), std::string::npos);
        EXPECT_EQ(o.drawn(), 0u);
    }
}

}  // namespace
}  // namespace vsphtest
