// Plot area, scale rules, the picture and the panels' texts.

#include <cmath>
#include <string>
#include <tuple>

#include "plot_fixture.h"

namespace plottest {
namespace {

using ScaleTest = PlotTest;

TEST_F(ScaleTest, StartsAtOneA4PageAtOneToOne) {
    EXPECT_NEAR(surface.QuadranteL(), 0.196982, 1e-6);
    EXPECT_NEAR(surface.QuadranteH(), 0.281967, 1e-6);
    EXPECT_EQ(surface.Scala(), 1);
    EXPECT_EQ(screen.only(Op::LineWidth).back().width, 1);   // the output is the screen
    const plot::PlotView& v = surface.view();
    EXPECT_EQ(v.txtQH, "0.28");
    EXPECT_EQ(v.txtQL, "0.2");
    EXPECT_EQ(v.lblDimVal, "0.28 x 0.2");
    EXPECT_EQ(v.txtX, "0");
    EXPECT_EQ(v.cmbScalaText, "1:1");
    EXPECT_EQ(v.cmbScalaItems.size(), 8u);
    EXPECT_NEAR(v.pictureWidth, 11906 - 0.013 * TPM, 1e-6);
    EXPECT_EQ(v.hScrollMax, 11169);
}

TEST_F(ScaleTest, PageSizeFromThePrinterOrA4WhenItCannotBeRead) {
    testsupport::RecordingDevice other;
    plot::PlotSurface letter(other, services, plot::PageSizeTwips{12240, 15840});
    EXPECT_NEAR(letter.QuadranteL(), 12240 / TPM - 0.013, 1e-12);
    EXPECT_NEAR(letter.QuadranteH(), 15840 / TPM - 0.015, 1e-12);
    for (plot::PageSizeTwips bad : {plot::PageSizeTwips{0, 0}, plot::PageSizeTwips{-5, 16838},
                                    plot::PageSizeTwips{NAN, 1}}) {
        plot::PlotSurface s(other, services, bad);
        EXPECT_NEAR(s.QuadranteL(), 11906 / TPM - 0.013, 1e-12);
        EXPECT_NEAR(s.QuadranteH(), 16838 / TPM - 0.015, 1e-12);
    }
}

// Each bound: the value itself gives the larger scale, the double just below it the smaller.
TEST_F(ScaleTest, ScalaMinimaAtEveryBound) {
    const struct {
        double bound;
        int below, at;
    } table[] = {{0.564, 1, 2},   {1.128, 2, 3},  {1.693, 3, 4},   {2.257, 4, 5},
                 {2.821, 5, 10},  {5.643, 10, 20}, {11.287, 20, 100}};
    for (const auto& row : table) {
        setArea(0.1, std::nextafter(row.bound, 0.0));
        EXPECT_EQ(surface.ScalaMinima(), row.below) << row.bound;
        setArea(0.1, row.bound);
        EXPECT_EQ(surface.ScalaMinima(), row.at) << row.bound;
        // The larger side counts, whichever it is.
        setArea(row.bound, 0.1);
        EXPECT_EQ(surface.ScalaMinima(), row.at) << row.bound;
    }
    setArea(0, 0);
    EXPECT_EQ(surface.ScalaMinima(), 1);
    setArea(15, 15);
    EXPECT_EQ(surface.ScalaMinima(), 100);
    // A height of 0.28 with several widths.
    for (auto [width, minimum] : {std::pair{0.564, 2}, {11.2869, 20}, {11.287, 100}, {15.0, 100}}) {
        setArea(0.28, width);
        EXPECT_EQ(surface.ScalaMinima(), minimum) << width;
    }
}

TEST_F(ScaleTest, ScalaBelowTheMinimumOrNotPositiveIsRefusedSilently) {
    setArea(2.5, 2.5);   // minimum 5
    ASSERT_EQ(surface.Scala(), 5);
    surface.setScala(3);
    EXPECT_EQ(surface.Scala(), 5);
    surface.setScala(0);
    surface.setScala(-10);
    EXPECT_EQ(surface.Scala(), 5);
    EXPECT_TRUE(services.messages.empty());
    surface.setScala(20);
    EXPECT_EQ(surface.Scala(), 20);
    EXPECT_NEAR(surface.view().pictureWidth, 2.5 * TPM / 20, 1e-9);
}

TEST_F(ScaleTest, ScalaIsNeverZeroEvenWhilePrinting) {
    setArea(0.2, 0.2);
    surface.xTrovaA4(0.01, 0.01);
    testsupport::RecordingPrinter printer;
    std::vector<std::int16_t> seen;
    printer.onCall = [&] {
        surface.setScala(0);   // refused in every mode
        surface.setScala(-1);
        seen.push_back(surface.Scala());
    };
    surface.PrintArea(printer);
    ASSERT_FALSE(seen.empty());
    for (auto s : seen) EXPECT_GT(s, 0);
}

TEST_F(ScaleTest, AreaIsClampedAtFifteenAndRaisesTheScale) {
    surface.setQuadranteH(20);
    EXPECT_EQ(surface.QuadranteH(), 15);
    EXPECT_EQ(surface.view().txtQH, "15");
    EXPECT_EQ(surface.Scala(), 100);
    EXPECT_EQ(surface.view().cmbScalaText, "1:100");
    EXPECT_EQ(surface.view().cmbScalaItems.size(), 1u);
    // Every picture side fits the 16-bit scroll range at its minimum scale.
    EXPECT_LE(surface.view().vScrollMax, 32767);
}

TEST_F(ScaleTest, ShrinkingTheAreaNeverLowersTheScale) {
    setArea(10, 10);
    EXPECT_EQ(surface.Scala(), 20);
    setArea(0.3, 0.3);
    EXPECT_EQ(surface.Scala(), 20);
    const auto& items = surface.view().cmbScalaItems;
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items.front().first, "1:1");
    EXPECT_EQ(items.back(), (std::pair<std::string, int>{"1:100", 100}));
    EXPECT_EQ(surface.view().cmbScalaText, "1:20");
}

TEST_F(ScaleTest, CaricaComboScalaListsFromTheMinimum) {
    surface.CaricaComboScala(5, 1);
    const auto& items = surface.view().cmbScalaItems;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].first, "1:5");
    EXPECT_EQ(items[3].first, "1:100");
    EXPECT_EQ(items[3].second, 100);
    EXPECT_EQ(surface.view().cmbScalaText, "");
}

TEST_F(ScaleTest, NegativeOrNonFiniteAreaIsRefusedByTheProperty) {
    const double h = surface.QuadranteH(), l = surface.QuadranteL();
    surface.setQuadranteH(-1);
    surface.setQuadranteL(NAN);
    surface.setQuadranteL(INFINITY);
    EXPECT_EQ(surface.QuadranteH(), h);
    EXPECT_EQ(surface.QuadranteL(), l);
}

TEST_F(ScaleTest, MouseReadOutInWholeMillimetresTowardMinusInfinity) {
    surface.setShiftX(0.1);
    surface.mouseDown(0, 0);
    EXPECT_EQ(surface.view().lblXYval, "-100 : 0");
    surface.mouseDown(1, 0);
    EXPECT_EQ(surface.view().lblXYval, "-100 : 0");
    surface.mouseDown(57, 0);
    EXPECT_EQ(surface.view().lblXYval, "-99 : 0");
    // Millimetres beyond any number (a huge typed shift): the read-out keeps its text, nothing
    // is reported, and the click still picks its tile.
    surface.setShiftX(1e306);
    EXPECT_NO_THROW(surface.mouseDown(567, 567));
    EXPECT_EQ(surface.view().lblXYval, "-99 : 0");
    EXPECT_EQ(surface.tileList().count(), 4u);
    // A typed shift that binary arithmetic leaves a hair past its millimetre reads as typed.
    surface.setShiftX(2.007);
    surface.mouseDown(0, 0);
    EXPECT_EQ(surface.view().lblXYval, "-2007 : 0");
}

TEST_F(ScaleTest, ChoosingAScaleReplaysTheDrawing) {
    surface.xLine(0, 0, 0.1, 0.1, 2);
    surface.chooseScale(2);
    EXPECT_EQ(surface.Scala(), 2);
    EXPECT_EQ(surface.view().cmbScalaText, "1:2");
    ASSERT_EQ(screenLines().size(), 2u);
    EXPECT_NEAR(screenLines()[1].args[2], 0.1 * TPM / 2, 1e-9);
}

TEST_F(ScaleTest, DimensionPanelUpdatesTheArea) {
    surface.cmdDim_Click();
    EXPECT_TRUE(surface.view().dimensionPanelVisible);
    surface.cmdQAggiorna_Click("1.5", " 0.5 ");
    EXPECT_EQ(surface.QuadranteH(), 1.5);
    EXPECT_EQ(surface.QuadranteL(), 0.5);
    EXPECT_EQ(surface.Scala(), 3);
    EXPECT_FALSE(surface.view().dimensionPanelVisible);
    EXPECT_EQ(surface.view().lblDimVal, "1.5 x 0.5");
}

TEST_F(ScaleTest, ScrollBarsStayWhereTheUserPutsThemUntilThePictureIsSizedAgain) {
    setArea(3, 2);
    int notified = 0;
    surface.setViewObserver([&] { ++notified; });
    surface.HScroll1_Change(8115);
    surface.VScroll1_Change(1e9);   // kept within the range
    EXPECT_EQ(surface.view().hScrollValue, 8115);
    EXPECT_EQ(surface.view().vScrollValue, surface.view().vScrollMax);
    EXPECT_EQ(notified, 2);
    // A change of scale, of the area, or a new picture puts them back at 0.
    surface.chooseScale(20);
    EXPECT_EQ(surface.view().hScrollValue, 0);
    EXPECT_EQ(surface.view().vScrollValue, 0);
    surface.HScroll1_Change(541);
    surface.VScroll1_Change(750);
    surface.cmdQAggiorna_Click("2", "3");
    EXPECT_EQ(surface.view().hScrollValue, 0);
    EXPECT_EQ(surface.view().vScrollValue, 0);
    surface.HScroll1_Change(-5);
    surface.VScroll1_Change(NAN);
    EXPECT_EQ(surface.view().hScrollValue, 0);
    EXPECT_EQ(surface.view().vScrollValue, 0);
}

TEST_F(ScaleTest, DimensionPanelRefusesANegativeOrTooLargeArea) {
    setArea(1, 1);
    surface.cmdDim_Click();
    // Each row: the two boxes, and the box the message names ("" = none).
    for (auto [h, l, named] :
         {std::tuple{"-1", "2", ""}, {"2", "-0.5", ""}, {"1e999", "1", "the H Altezza box"},
          {"2", "0.5abc", "the L Larghezza box"}, {"abc", "2", "the H Altezza box"},
          {"2", "1\u00a0", "the L Larghezza box"}}) {
        services.messages.clear();
        surface.cmdQAggiorna_Click(h, l);
        EXPECT_EQ(surface.QuadranteH(), 1);
        EXPECT_EQ(surface.QuadranteL(), 1);
        EXPECT_EQ(surface.view().txtQH, "1");
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].rfind(std::string("Invalid dimensions: ") + named, 0), 0u)
            << services.messages[0];
    }
    EXPECT_TRUE(surface.view().dimensionPanelVisible);
    surface.cmdQAnnulla_Click();
    EXPECT_FALSE(surface.view().dimensionPanelVisible);
}

TEST_F(ScaleTest, KeyFilterOfThePanelBoxes) {
    EXPECT_EQ(surface.InputSoloNumeri('5'), 53);
    EXPECT_EQ(surface.InputSoloNumeri(','), 46);
    EXPECT_EQ(surface.InputSoloNumeri('-'), '-');
    EXPECT_EQ(surface.InputSoloNumeri(8), 8);
    EXPECT_EQ(services.beeps, 0);
    EXPECT_EQ(surface.InputSoloNumeri('a'), 0);
    EXPECT_EQ(surface.InputSoloNumeri(' '), 0);
    EXPECT_EQ(services.beeps, 2);
}

TEST_F(ScaleTest, HostResizePutsTheOriginAtTheCentreAndThreeTenthsDown) {
    setArea(3, 4, 0.5, 0.25);
    surface.hostResized();
    EXPECT_DOUBLE_EQ(surface.ShiftX(), 2);
    EXPECT_DOUBLE_EQ(surface.ShiftY(), 3 / 3.3333333);
}

}  // namespace
}  // namespace plottest
