// Recording and replay of the primitives.

#include <cmath>
#include <random>

#include "numeric/palette.h"
#include "plot_fixture.h"

namespace plottest {
namespace {

class DrawTest : public PlotTest {
protected:
    void SetUp() override { setArea(0.5, 0.5, 0.1, 0.2); }   // x in [-0.1, 0.4), y in [-0.2, 0.3)
    std::vector<DeviceCall> drawn() const {
        std::vector<DeviceCall> out;
        for (const auto& c : screen.calls)
            if (c.op == Op::Point || c.op == Op::Line || c.op == Op::Ellipse)
                out.push_back(c);
        return out;
    }
};

TEST_F(DrawTest, PointsOnTheLeftAndTopEdgesAreInsideTheOthersAreDroppedForGood) {
    surface.xPset(-0.1, 0, 1);
    surface.xPset(0, -0.2, 1);
    surface.xPset(0.4, 0, 1);
    surface.xPset(0, 0.3, 1);
    surface.xPset(NAN, 0, 1);
    surface.xPset(0, NAN, 1);
    EXPECT_EQ(surface.displayList().points.size(), 2u);
    ASSERT_EQ(screen.count(Op::Point), 2u);
    EXPECT_DOUBLE_EQ(screen.only(Op::Point)[0].args[0], 0);
    setArea(1, 1, 0.1, 0.2);
    screen.forget();
    surface.Refresh();
    EXPECT_EQ(screen.count(Op::Point), 2u);
}

TEST_F(DrawTest, EveryRecordGetsItsKindInCallOrderAndTextsNone) {
    surface.xLine(0, 0, 0.1, 0.1, 1);
    surface.xPset(0, 0, 2);
    surface.Dati("label", 0, 0);
    surface.xCircle(0, 0, 0.05, 3);
    surface.xLine(5, 5, 6, 6, 5);   // wholly outside: recorded all the same
    const plot::DisplayList& list = surface.displayList();
    EXPECT_EQ(std::string(list.DrawOrder.begin(), list.DrawOrder.end()), "LPCL");
    EXPECT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[1].x1, 5);
    ASSERT_EQ(list.shapes.size(), 1u);
    EXPECT_EQ(list.shapes[0].Kind, 'C');
    EXPECT_EQ(list.shapes[0].FillColor, -1);
    EXPECT_EQ(list.shapes[0].Fourth, 1);
    EXPECT_EQ(list.texts.size(), 1u);
    EXPECT_EQ(screenLines().size(), 1u);
}

TEST_F(DrawTest, TheRecordFlagDecidesRecordingNeverPainting) {
    surface.xLine(0, 0, 0.1, 0, 1, false);
    surface.xPset(0, 0, 1, false);
    surface.xCircle(0, 0, 0.1, 1, -1, 1, 0, 0, false);
    surface.Dati("unrecorded", 0, 0, false);
    EXPECT_EQ(drawn().size(), 3u);
    EXPECT_EQ(screen.count(Op::Text), 1u);
    EXPECT_TRUE(surface.displayList().DrawOrder.empty());
    EXPECT_TRUE(surface.displayList().texts.empty());
    screen.forget();
    surface.Refresh();
    EXPECT_TRUE(drawn().empty());
    EXPECT_EQ(screen.count(Op::Text), 0u);
}

TEST_F(DrawTest, CirclesAndArcs) {
    surface.xCircle(0, 0, 0.1, 5, -1, 1, 1.0, 0);   // FineArco 0: the whole circle
    surface.xCircle(0, 0, 0.1, 5, 0);               // filled black
    surface.xCircle(0, 0, 0.1, 5, -1, 0.5, 0.5, 2.5);
    const auto e = screen.only(Op::Ellipse);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_DOUBLE_EQ(e[0].args[0], 0.1 * TPM);
    EXPECT_DOUBLE_EQ(e[0].args[2], 0.1 * TPM);
    EXPECT_EQ(e[0].args[4], 0);
    EXPECT_EQ(e[0].args[5], 0);
    EXPECT_EQ(e[0].fill, -1);
    EXPECT_EQ(e[1].fill, 0);
    EXPECT_EQ(e[2].args[3], 0.5);
    EXPECT_EQ(e[2].args[4], 0.5);
    EXPECT_EQ(e[2].args[5], 2.5);
}

TEST_F(DrawTest, TextsAreCutOrPaddedToOneHundredCharactersInTheRecordOnly) {
    const std::string longText(130, 'x');
    surface.Dati(longText, 0, 0);
    surface.Dati("short", 0, 0);
    EXPECT_EQ(screen.only(Op::Text)[0].text, longText);
    const auto& texts = surface.displayList().texts;
    EXPECT_EQ(texts[0].text, std::string(100, 'x'));
    EXPECT_EQ(texts[1].text, "short" + std::string(95, ' '));
    // Characters, not bytes: a degree sign is one character and is never split.
    std::string degrees;
    for (int i = 0; i < 101; ++i) degrees += "\xC2\xB0";
    surface.Dati(degrees, 0, 0);
    EXPECT_EQ(texts[2].text, degrees.substr(0, 200));
}

TEST_F(DrawTest, TextsWithoutPositionFormAColumnAndComeBackInPlace) {
    surface.Dati("first", 0.05, 0.05);
    surface.Dati("second");
    surface.Dati("third");
    const auto painted = screen.only(Op::Text);
    ASSERT_EQ(painted.size(), 3u);
    EXPECT_DOUBLE_EQ(painted[1].args[0], 0);   // left edge
    EXPECT_DOUBLE_EQ(painted[2].args[1] - painted[1].args[1],
                     testsupport::RecordingDevice::TextLineHeight);
    const auto& texts = surface.displayList().texts;
    EXPECT_DOUBLE_EQ(texts[1].x, -surface.ShiftX());
    screen.forget();
    surface.Refresh();
    const auto again = screen.only(Op::Text);
    ASSERT_EQ(again.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(again[i].args[0], painted[i].args[0], 1e-9);
        EXPECT_NEAR(again[i].args[1], painted[i].args[1], 1e-9);
    }
}

TEST_F(DrawTest, ATextWithAPositionThatIsNotANumberIsNeitherRecordedNorPainted) {
    surface.Dati("here", 0.1, 0.1);
    const double x = screen.currentX(), y = screen.currentY();
    surface.Dati("nowhere", NAN, 0.1);
    surface.Dati("nowhere", 0.1, -INFINITY);
    surface.Dati("far", 0.1, 1e30);   // a number, beyond the picture: recorded, not painted
    EXPECT_EQ(screen.count(Op::Text), 1u);
    EXPECT_EQ(screen.currentX(), x);
    EXPECT_EQ(screen.currentY(), y);
    const auto& texts = surface.displayList().texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].y, 1e30);
}

TEST_F(DrawTest, NoRecordHoldsAValueThatIsNotAFiniteNumber) {
    const double inf = INFINITY;
    surface.xPset(inf, 0, 1);
    surface.xPset(0, -inf, 1);
    surface.xLine(-inf, 0.1, 0, 0.1, 1);
    surface.xLine(0, 0, 0.1, NAN, 1);
    surface.xCircle(0, inf, 0.1, 1);
    surface.xCircle(0, 0, -inf, 1);
    surface.xCircle(0, 0, 0.1, 1, -1, NAN);
    surface.xCircle(0, 0, 0.1, 1, 2, 1, -inf, -1);
    surface.xCircle(0, 0, 0.1, 1, 2, 1, -1, NAN);
    EXPECT_TRUE(surface.displayList().DrawOrder.empty());
    EXPECT_TRUE(surface.displayList().shapes.empty());
    EXPECT_TRUE(drawn().empty());
    // The finite ones around them are recorded and painted as ever.
    surface.xLine(-1, 0.1, 0.1, 0.1, 1);
    surface.xCircle(0, 0, 0.1, 1, 2, 1, -1, -2);
    EXPECT_EQ(surface.displayList().DrawOrder.size(), 2u);
    EXPECT_EQ(drawn().size(), 2u);
}

TEST_F(DrawTest, ReplayDrawsTextsFirstInTheForeColourOfTheReplay) {
    surface.xLine(0, 0, 0.1, 0.1, 1);
    surface.Dati("label", 0, 0);
    surface.setForeColor(numeric::rgb(0, 255, 0));
    services.busyChanges.clear();
    screen.forget();
    surface.Refresh();
    ASSERT_GE(screen.calls.size(), 3u);
    EXPECT_EQ(screen.calls[0].op, Op::Clear);
    std::size_t text = 0, line = 0;
    for (std::size_t i = 0; i < screen.calls.size(); ++i) {
        if (screen.calls[i].op == Op::Text) text = i;
        if (screen.calls[i].op == Op::Line) line = i;
    }
    EXPECT_LT(text, line);
    EXPECT_EQ(screen.calls[text].colour, numeric::rgb(0, 255, 0));
    EXPECT_EQ(services.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(DrawTest, WhiteTextOnAWhiteBackgroundIsPaintedBlackAndPrintedBlack) {
    // On a white background texts take the colours lines take there.
    const numeric::Colour white = numeric::rgb(255, 255, 255);
    const numeric::Colour yellow = numeric::rgb(255, 255, 0);
    surface.Dati("white on black", 0, 0);
    EXPECT_EQ(screen.only(Op::Text).back().colour, white);
    surface.setBackColor(white);   // replayed at once: the text comes back black
    ASSERT_EQ(screen.only(Op::Text).size(), 2u);
    EXPECT_EQ(screen.only(Op::Text).back().colour, 0);
    surface.Dati("white on white", 0, 0.05);
    EXPECT_EQ(screen.only(Op::Text).back().colour, 0);
    surface.setBackColor(0);   // the colour set is kept: back on black the texts are white
    EXPECT_EQ(screen.only(Op::Text).back().colour, white);
    surface.setBackColor(white);
    surface.setForeColor(numeric::rgb(192, 192, 192));   // light grey turns dark grey
    surface.Dati("grey", 0, 0.1);
    EXPECT_EQ(screen.only(Op::Text).back().colour, numeric::rgb(128, 128, 128));
    surface.setForeColor(yellow);
    surface.Dati("yellow", 0, 0.1);
    EXPECT_EQ(screen.only(Op::Text).back().colour, yellow);

    // On paper every text is black, whatever the background.
    testsupport::RecordingPrinter printer;
    surface.setForeColor(white);
    surface.PrintAll(printer);
    ASSERT_EQ(printer.count(Op::Text), 5u);
    for (const auto& t : printer.only(Op::Text)) EXPECT_EQ(t.colour, 0);

    surface.setBackColor(0);
    EXPECT_EQ(screen.only(Op::Text).back().colour, white);
}

// Record at one scale, replay at another: the same calls, every length in proportion.
TEST_F(DrawTest, ReplayAtAnotherScaleRepeatsTheCallsUpToTheScale) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> x(-0.5, 0.8), y(-0.6, 0.7), r(0, 0.2);
    for (int i = 0; i < 300; ++i) {
        switch (i % 3) {
        case 0: surface.xLine(x(rng), y(rng), x(rng), y(rng), i); break;
        case 1: surface.xPset(x(rng), y(rng), i); break;
        default: surface.xCircle(x(rng), y(rng), r(rng), i, i % 2 ? -1 : 9, 1, 0, r(rng)); break;
        }
    }
    const auto first = drawn();
    const std::size_t recorded = surface.displayList().DrawOrder.size();
    surface.setScala(4);
    screen.forget();
    surface.Refresh();
    const auto second = drawn();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(first[i].op, second[i].op) << i;
        EXPECT_EQ(first[i].colour, second[i].colour);
        EXPECT_EQ(first[i].fill, second[i].fill);
        EXPECT_EQ(first[i].flag, second[i].flag);
        const std::size_t lengths = first[i].op == Op::Ellipse ? 3 : first[i].args.size();
        for (std::size_t k = 0; k < first[i].args.size(); ++k) {
            const double expected = k < lengths ? first[i].args[k] / 4 : first[i].args[k];
            EXPECT_NEAR(second[i].args[k], expected, 1e-6) << i << " " << k;
        }
    }
    EXPECT_EQ(surface.displayList().DrawOrder.size(), recorded);   // replay never records
}

TEST_F(DrawTest, ALineRecordedOutsideShowsAfterTheAxesMove) {
    surface.xLine(1, 1, 1.2, 1.2, 3);
    EXPECT_TRUE(screenLines().empty());
    surface.setShiftX(-0.9);
    surface.setShiftY(-0.9);
    surface.Refresh();
    ASSERT_EQ(screenLines().size(), 1u);
    EXPECT_NEAR(screenLines()[0].args[0], 0.1 * TPM, 1e-9);
}

TEST_F(DrawTest, ClearEmptiesTheListsAndTilesButKeepsTheTitle) {
    surface.Messaggio("Dial");
    surface.xLine(0, 0, 0.1, 0.1, 1);
    surface.Dati("t", 0, 0);
    surface.xTrovaA4(0.01, 0.01);
    surface.cmdStampa_Click(nullptr);   // a tile is selected: the panel opens
    ASSERT_TRUE(surface.view().printPanelVisible);
    surface.cmdPulisci_Click();
    EXPECT_TRUE(surface.displayList().DrawOrder.empty());
    EXPECT_TRUE(surface.displayList().lines.empty());
    EXPECT_TRUE(surface.displayList().texts.empty());
    EXPECT_TRUE(surface.tileList().empty());
    EXPECT_FALSE(surface.view().printPanelVisible);
    EXPECT_EQ(surface.view().title, "Dial");
    screen.forget();
    surface.Refresh();
    EXPECT_TRUE(drawn().empty());
}

TEST_F(DrawTest, ANewBackgroundKeepsTheDrawing) {
    surface.xLine(0, 0, 0.1, 0.1, 1);
    screen.forget();
    surface.setBackColor(numeric::rgb(255, 255, 255));
    EXPECT_EQ(surface.BackColor(), numeric::rgb(255, 255, 255));
    ASSERT_FALSE(screen.calls.empty());
    EXPECT_EQ(screen.calls[0].op, Op::BackColor);
    EXPECT_EQ(screen.count(Op::Clear), 1u);
    EXPECT_EQ(screenLines().size(), 1u);
}

}  // namespace
}  // namespace plottest
