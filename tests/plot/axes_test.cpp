// The axes button and panel.

#include <string>
#include <tuple>

#include "numeric/palette.h"
#include "plot_fixture.h"

namespace plottest {
namespace {

class AxesTest : public PlotTest {
protected:
    void SetUp() override { setArea(1, 1, 0.5, 0.3); }
};

TEST_F(AxesTest, AxesAcrossTheAreaWithThreeRecordedLabels) {
    surface.cmdAssi_Click();
    EXPECT_TRUE(surface.view().axesPanelVisible);
    const auto& list = surface.displayList();
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0].Color, numeric::qbColor(12));
    EXPECT_DOUBLE_EQ(list.lines[0].x1, -0.5);
    EXPECT_DOUBLE_EQ(list.lines[0].x2, 0.5);
    EXPECT_DOUBLE_EQ(list.lines[1].y1, -0.3);
    EXPECT_DOUBLE_EQ(list.lines[1].Y2, 0.7);
    ASSERT_EQ(list.texts.size(), 3u);
    EXPECT_DOUBLE_EQ(list.texts[0].x, 0.04);
    EXPECT_DOUBLE_EQ(list.texts[0].y, -0.04);
    EXPECT_DOUBLE_EQ(list.texts[1].y, -0.3 + 0.04);
    EXPECT_DOUBLE_EQ(list.texts[2].x, 1 - 0.5 - 0.04);
    EXPECT_DOUBLE_EQ(list.texts[2].y, -0.06);
    // Both axes are painted whole, through the origin.
    ASSERT_EQ(screenLines().size(), 2u);
    EXPECT_NEAR(screenLines()[0].args[1], 0.3 * TPM / surface.Scala(), 1e-9);
    surface.cmdAssi_Click();
    EXPECT_EQ(list.lines.size(), 4u);
    EXPECT_EQ(list.texts.size(), 6u);
}

TEST_F(AxesTest, UpdateMovesTheOriginReplaysAndKeepsThePanelOpen) {
    surface.xLine(0, 0, 0.1, 0, 2);
    surface.cmdAssi_Click();
    screen.forget();
    surface.cmdAssiAgg_Click("0.5", "0.25");
    EXPECT_EQ(surface.ShiftX(), 0.5);
    EXPECT_EQ(surface.ShiftY(), 0.25);
    EXPECT_EQ(surface.view().txtY, "0.25");
    EXPECT_TRUE(surface.view().axesPanelVisible);
    EXPECT_EQ(screen.count(Op::Clear), 1u);   // replayed
    EXPECT_EQ(surface.displayList().lines.size(), 5u);
    // The origin now 0.25 m from the top: the replayed line is there.
    EXPECT_NEAR(screenLines()[0].args[1], 0.25 * TPM / surface.Scala(), 1e-9);
    surface.cmdAssiChiudi_Click();
    EXPECT_FALSE(surface.view().axesPanelVisible);
    surface.hostResized();
    EXPECT_EQ(surface.ShiftX(), 0.5);
    EXPECT_DOUBLE_EQ(surface.ShiftY(), 1 / 3.3333333);
}

TEST_F(AxesTest, UpdateWithANumberTooLargeOrNoNumberChangesNothing) {
    for (auto [x, y, named] : {std::tuple{"1e400", "0", "the Axis X box"},
                               {"0", "abc", "the Axis Y box"}, {"0.5,2", "0", "the Axis X box"}}) {
        services.messages.clear();
        surface.cmdAssiAgg_Click(x, y);
        EXPECT_EQ(surface.ShiftX(), 0.5);
        EXPECT_EQ(surface.view().txtX, "0.5");
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].rfind(std::string("Invalid axis shift: ") + named, 0), 0u)
            << services.messages[0];
        EXPECT_TRUE(surface.displayList().lines.empty());
    }
}

}  // namespace
}  // namespace plottest
