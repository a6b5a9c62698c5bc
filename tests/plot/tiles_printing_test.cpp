// Page grid, tile selection and printing.

#include <cmath>

#include "numeric/palette.h"
#include "plot_fixture.h"

namespace plottest {
namespace {

constexpr numeric::Colour Orange = numeric::rgb(255, 128, 0);

class TileTest : public PlotTest {
protected:
    testsupport::RecordingPrinter printer;
    // One tile: the printable page, the area a new surface starts with.
    const double PW = surface.QuadranteL(), PH = surface.QuadranteH();
    std::int16_t lastNumber() const {
        return surface.tileList()[surface.tileList().count()].Number;
    }
    // Whether what is drawn now goes to the screen (a point, not recorded).
    bool drawsOnScreen() {
        screen.forget();
        surface.xPset(0.01, 0.01, 1, false);
        return screen.count(Op::Point) == 1;
    }
};

// Width 0.59 (2.995 tiles) counts 3 columns, 0.62 (3.147) counts 4, 0.60 (3.046) only 3: a
// click in the narrow fourth strip of row r gets 3r + 4, the first tile of the next row.
TEST_F(TileTest, NumberingCountsALastPartialColumnOnlyWhenItIsWideEnough) {
    for (auto [width, columns] : {std::pair{0.59, 3}, {0.62, 4}, {0.60, 3}}) {
        setArea(0.5, width, 0.1, 0.1);
        surface.xTrovaA4(PW + 0.01, PH + 0.01);   // row 1, column 1
        EXPECT_EQ(lastNumber(), columns + 2) << width;
    }
    setArea(0.5, 0.60);
    surface.xTrovaA4(3 * PW + 0.005, PH + 0.01);
    EXPECT_EQ(lastNumber(), 3 * 1 + 4);
    surface.xTrovaA4(0.01, 2 * PH + 0.01);
    EXPECT_EQ(lastNumber(), 7);
}

TEST_F(TileTest, AClickOutlinesNumbersAndAppendsTheTileEveryTime) {
    setArea(0.5, 0.5, 0.2, 0.15);
    screen.forget();
    surface.xTrovaA4(0.05, 0.05);
    surface.xTrovaA4(0.06, 0.06);
    ASSERT_EQ(surface.tileList().count(), 2u);
    const plot::TileRecord& tile = surface.tileList()[1];
    EXPECT_EQ(tile.Number, 1);
    EXPECT_DOUBLE_EQ(tile.X, -0.2);
    EXPECT_DOUBLE_EQ(tile.Y, -0.15);
    // Four recorded orange sides per click; the number is painted, not recorded.
    const auto& lines = surface.displayList().lines;
    ASSERT_EQ(lines.size(), 8u);
    for (const auto& l : lines) EXPECT_EQ(l.Color, Orange);
    EXPECT_TRUE(surface.displayList().texts.empty());
    const auto texts = screen.only(Op::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_NEAR(texts[0].args[0], 0.003 * TPM, 1e-9);
    EXPECT_FALSE(screen.dotted());
    EXPECT_EQ(screen.count(Op::Dotted), 4u);
}

TEST_F(TileTest, APointOffThePicturePicksNothing) {
    setArea(0.5, 0.5);
    surface.xTrovaA4(-0.01, 0.1);
    surface.xTrovaA4(0.1, 5);
    surface.xTrovaA4(NAN, 0.1);
    EXPECT_TRUE(surface.tileList().empty());
}

TEST_F(TileTest, TheMouseSelectsByPicturePositionWhateverTheShifts) {
    setArea(0.5, 0.5, 0.37, -0.2);
    surface.mouseDown(567, 567);   // 1 cm right of and below the corner at 1:1
    EXPECT_EQ(lastNumber(), 1);
    setArea(12, 12);               // 1:100: the same click lies 1 m into the plot
    ASSERT_EQ(surface.Scala(), 100);
    surface.mouseDown(567, 567);
    const plot::TileRecord& tile = surface.tileList()[2];
    EXPECT_DOUBLE_EQ(tile.X, 5 * PW);   // sixth column
    EXPECT_EQ(tile.Number, 3 * 61 + 5 + 1);
}

TEST_F(TileTest, GridIsDottedGreyUnrecordedAndSizedByTheOtherSide) {
    setArea(1, 0.5);   // 1 m high, 0.5 m wide
    screen.forget();
    surface.CmdGriglia_Click();
    const auto lines = screenLines();
    for (const auto& l : lines) EXPECT_EQ(l.colour, numeric::rgb(128, 128, 128));
    EXPECT_TRUE(surface.displayList().lines.empty());
    // Horizontal lines at t = 0, PH, ... while within the 1 m height, vertical ones at
    // 0, PW, 2 PW (the right edge at 0.5 is 2.54 PW).
    std::size_t horizontal = 0, vertical = 0;
    for (const auto& l : lines) (l.args[1] == l.args[3] ? horizontal : vertical)++;
    EXPECT_EQ(horizontal, 4u);
    EXPECT_EQ(vertical, 3u);
    EXPECT_FALSE(screen.dotted());
    screen.forget();
    surface.Refresh();
    EXPECT_TRUE(screenLines().empty());
}

TEST_F(TileTest, PrintAllPrintsTheBrandTheTextListAndTheDrawingInBlack) {
    surface.setMarchio("Brand");
    surface.xLine(0, 0, 0.1, 0.1, numeric::rgb(255, 0, 0));
    surface.xPset(0.05, 0.05, numeric::rgb(0, 0, 255));
    surface.xCircle(0.05, 0.05, 0.01, 4, 9);
    surface.cmdAssi_Click();
    surface.cmdAssi_Click();
    surface.cmdStampa_Click(&printer);   // no tile: printed at once, no panel
    EXPECT_FALSE(surface.view().printPanelVisible);
    const auto texts = printer.only(Op::Text);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0].text, "Brand");
    EXPECT_DOUBLE_EQ(texts[0].args[1], 0.015 * TPM);
    const char* labels[] = {"o", "y", "x", "o", "y", "x"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(texts[i + 1].text, labels[i] + std::string(99, ' '));
    EXPECT_EQ(printer.count(Op::Line), 5u);
    for (const auto& l : printer.only(Op::Line)) EXPECT_EQ(l.colour, 0);
    EXPECT_EQ(printer.only(Op::Point).at(0).colour, 0);
    const auto e = printer.only(Op::Ellipse);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].colour, 0);
    EXPECT_EQ(e[0].fill, 9);   // the fill keeps its colour
    EXPECT_EQ(printer.count(Op::Clear), 0u);
    EXPECT_TRUE(printer.ended());
    EXPECT_EQ(printer.only(Op::LineWidth).at(0).width, 2);
    EXPECT_EQ(screen.lineWidth(), 1);
    EXPECT_TRUE(drawsOnScreen());
}

TEST_F(TileTest, PrintAreaWithoutTilesSaysSoAndPrintsNothing) {
    surface.PrintArea(printer);
    EXPECT_EQ(services.messages, std::vector<std::string>{"Nessuna area selezionata"});
    EXPECT_TRUE(printer.calls.empty());
}

TEST_F(TileTest, PrintAreaPrintsEachTileAtOneToOneOnItsOwnPage) {
    setArea(12, 12, 6, 3.6);   // scale 1:100 on the screen
    surface.setMarchio("Brand");
    // A tile picked at plot metres (2.1, 0.9): column 10, row 3.
    surface.xTrovaA4(2.1, 0.9);
    surface.xTrovaA4(2.1, 0.9);   // the same tile twice: printed twice
    const plot::TileRecord tile = surface.tileList()[1];
    surface.xLine(tile.X + 0.01, tile.Y + 0.02, tile.X + 0.05, tile.Y + 0.02, 3);
    bool sawPrinterState = false;
    printer.onCall = [&] {
        if (printer.calls.empty()) return;   // not yet set up
        sawPrinterState = true;
        EXPECT_EQ(surface.Scala(), 1);
        EXPECT_EQ(surface.QuadranteL(), PW);
        EXPECT_EQ(surface.view().pictureWidth, 12 * TPM / 100);   // the picture is not resized
    };
    surface.setPrintSelected(true);
    surface.cmdStampa_Click(&printer);
    EXPECT_TRUE(surface.view().printPanelVisible);
    surface.cmdPOk_Click(printer);
    EXPECT_FALSE(surface.view().printPanelVisible);
    EXPECT_TRUE(sawPrinterState);

    EXPECT_EQ(printer.count(Op::NewPage), 2u);
    EXPECT_EQ(printer.pageCount(), 2);
    EXPECT_TRUE(printer.ended());
    for (int p = 0; p < 2; ++p) {
        const auto page = printer.page(p);
        std::vector<DeviceCall> texts, lines;
        for (const auto& c : page) {
            if (c.op == Op::Text) texts.push_back(c);
            if (c.op == Op::Line && c.colour == 0) lines.push_back(c);
        }
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, std::string(" ").append(std::to_string(tile.Number)).append(" Brand"));
        EXPECT_DOUBLE_EQ(texts[0].args[0], 850.5);
        EXPECT_DOUBLE_EQ(texts[0].args[1], 850.5);
        // The tile's corner on the page's corner, at true size; the outline comes back solid.
        bool found = false;
        for (const auto& l : lines)
            if (std::fabs(l.args[0] - 0.01 * TPM) < 1e-6 && std::fabs(l.args[1] - 0.02 * TPM) < 1e-6 &&
                std::fabs(l.args[2] - 0.05 * TPM) < 1e-6)
                found = true;
        EXPECT_TRUE(found) << "page " << p;
    }
    EXPECT_EQ(tile.Number, 3 * 61 + 10 + 1);
}

TEST_F(TileTest, PrintAreaRestoresTheSurfaceAfterwards) {
    setArea(3, 2, 1, 0.9);
    surface.setScala(20);
    surface.xTrovaA4(0.3, 0.3);
    const plot::PlotView before = surface.view();
    surface.HScroll1_Change(541);   // where the user scrolled to
    surface.VScroll1_Change(750);
    surface.PrintArea(printer);
    EXPECT_EQ(surface.ShiftX(), 1);
    EXPECT_EQ(surface.ShiftY(), 0.9);
    EXPECT_EQ(surface.QuadranteH(), 3);
    EXPECT_EQ(surface.QuadranteL(), 2);
    EXPECT_EQ(surface.Scala(), 20);
    EXPECT_TRUE(drawsOnScreen());
    EXPECT_EQ(surface.view().txtX, before.txtX);
    EXPECT_EQ(surface.view().pictureWidth, before.pictureWidth);
    EXPECT_EQ(surface.view().hScrollValue, 0);
    EXPECT_EQ(surface.view().vScrollValue, 0);
    EXPECT_TRUE(services.messages.empty());
}

// The printer fails at every possible call in turn: each time the job is abandoned, the
// surface is back as it was, and the user is told exactly once.
TEST_F(TileTest, AFailingPrinterLeavesTheSurfaceAsItWas) {
    setArea(3, 2, 1, 0.9);
    surface.setScala(20);
    surface.xLine(-0.5, -0.5, 0.5, 0.5, 2);
    surface.Dati("text", 0, 0);
    surface.xTrovaA4(0.3, 0.3);
    surface.xTrovaA4(1.3, 0.3);
    const std::size_t records = surface.displayList().DrawOrder.size();

    testsupport::RecordingPrinter probe;
    surface.PrintArea(probe);
    const int areaCalls = static_cast<int>(probe.calls.size());
    testsupport::RecordingPrinter probeAll;
    surface.PrintAll(probeAll);
    const int allCalls = static_cast<int>(probeAll.calls.size());
    ASSERT_GT(areaCalls, 10);

    for (bool whole : {false, true}) {
        for (int n = 1; n <= (whole ? allCalls : areaCalls); ++n) {
            SCOPED_TRACE(::testing::Message() << (whole ? "PrintAll" : "PrintArea") << " n=" << n);
            testsupport::RecordingPrinter failing;
            failing.failAtCall(n);
            services.messages.clear();
            whole ? surface.PrintAll(failing) : surface.PrintArea(failing);
            EXPECT_TRUE(drawsOnScreen());
            EXPECT_EQ(surface.ShiftX(), 1);
            EXPECT_EQ(surface.ShiftY(), 0.9);
            EXPECT_EQ(surface.QuadranteH(), 3);
            EXPECT_EQ(surface.QuadranteL(), 2);
            EXPECT_EQ(surface.Scala(), 20);
            EXPECT_EQ(surface.view().txtX, "1");
            EXPECT_EQ(screen.lineWidth(), 1);
            EXPECT_EQ(surface.displayList().DrawOrder.size(), records);
            EXPECT_TRUE(failing.aborted());
            EXPECT_FALSE(failing.ended());
            ASSERT_EQ(services.messages.size(), 1u);
            EXPECT_NE(services.messages[0].find("Printing failed"), std::string::npos);
            EXPECT_FALSE(services.busy);
        }
    }
}

TEST_F(TileTest, PrintPanelChoosesWholeAreaOrSelectedTiles) {
    surface.xTrovaA4(0.01, 0.01);
    surface.cmdStampa_Click(&printer);
    EXPECT_TRUE(surface.view().printPanelVisible);
    surface.cmdPCancel_Click();
    EXPECT_FALSE(surface.view().printPanelVisible);
    surface.setPrintSelected(false);
    surface.cmdPOk_Click(printer);
    EXPECT_EQ(printer.count(Op::NewPage), 0u);   // the whole drawing, one page
    EXPECT_TRUE(printer.ended());
}

}  // namespace
}  // namespace plottest
