// The handlers of the surface's own tool bar and panels, and the host window's resize rule.
// The window forwards its events here and shows view() afterwards.

#include <cmath>
#include <limits>

#include "numeric/format.h"
#include "numeric/palette.h"
#include "numeric/number_box.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "plot/plot_surface.h"
#include "plot/surface_state.h"

namespace plot {

void PlotSurface::mouseDown(double xTwips, double yTwips) {
    if (!std::isfinite(xTwips) || !std::isfinite(yTwips)) return;
    // Metres from the picture's top-left corner; the read-out in whole world millimetres, cut
    // toward minus infinity as every shown number is (a typed shift of 2.007 m reads -2007, not
    // the -2008 its binary product gives), y downward as drawn. Millimetres beyond any number (a
    // huge shift) leave the read-out as it was; the click still picks its tile.
    const double x = xTwips / TwipsPerMetre * d->scala;
    const double y = yTwips / TwipsPerMetre * d->scala;
    numeric::skip([&] {
        d->view.lblXYval = numeric::toText(numeric::truncateDown((x - d->shiftX) * 1000, 0)) +
                           " : " +
                           numeric::toText(numeric::truncateDown((y - d->shiftY) * 1000, 0));
    });
    d->notify();
    xTrovaA4(x, y);
}

void PlotSurface::chooseScale(int itemData) {
    if (itemData <= 0 || itemData > std::numeric_limits<std::int16_t>::max()) return;
    setScala(static_cast<std::int16_t>(itemData));
    // The combo box shows the scale in force (the pick, unless it was refused).
    for (const auto& [text, scale] : d->view.cmbScalaItems)
        if (scale == d->scala) d->view.cmbScalaText = text;
    d->notify();
    Refresh();
}

void PlotSurface::cmdDim_Click() { d->setView(d->view.dimensionPanelVisible, true); }

void PlotSurface::cmdQAggiorna_Click(const std::string& qh, const std::string& ql) {
    // The boxes by the captions of the dimension panel.
    const numeric::BoxNumber h = numeric::readFiniteNumberBox("the H Altezza box", qh);
    const numeric::BoxNumber l = numeric::readFiniteNumberBox("the L Larghezza box", ql);
    const std::string& unread = h.refusal.empty() ? l.refusal : h.refusal;
    if (!unread.empty() || !(h.value >= 0) || !(l.value >= 0)) {
        // The area in force stays, and the boxes show it again.
        d->view.txtQH = shownNumber(d->quadranteH, 2);
        d->view.txtQL = shownNumber(d->quadranteL, 2);
        d->notify();
        d->services.messageBox(
            unread.empty() ? "Invalid dimensions: height and width must be numbers of metres, 0 "
                             "or more (at most 15). The plot area is unchanged."
                           : "Invalid dimensions: " + unread + " The plot area is unchanged.");
        return;
    }
    setQuadranteH(h.value);
    setQuadranteL(l.value);
    cmdQAnnulla_Click();
}

void PlotSurface::cmdQAnnulla_Click() { d->setView(d->view.dimensionPanelVisible, false); }

void PlotSurface::cmdStampa_Click(PrinterDevice* printer) {
    if (!d->tiles.empty()) return d->setView(d->view.printPanelVisible, true);
    if (printer == nullptr) {
        d->services.messageBox("No printer is available.");
        return;
    }
    PrintAll(*printer);
}

void PlotSurface::cmdPOk_Click(PrinterDevice& printer) {
    if (d->view.printSelected)
        PrintArea(printer);
    else
        PrintAll(printer);
    cmdPCancel_Click();
}

void PlotSurface::cmdPCancel_Click() { d->setView(d->view.printPanelVisible, false); }

void PlotSurface::setPrintSelected(bool selected) { d->setView(d->view.printSelected, selected); }

void PlotSurface::cmdAssi_Click() {
    // The axes across the whole area through the origin, in a fixed light red, recorded.
    const Colour axes = numeric::qbColor(numeric::palette::kLightRed);
    xLine(-d->shiftX, 0, d->quadranteL - d->shiftX, 0, axes);
    xLine(0, -d->shiftY, 0, d->quadranteH - d->shiftY, axes);
    d->setView(d->view.axesPanelVisible, true);
    Dati("o", 0.04, -0.04);
    Dati("y", 0.04, -d->shiftY + 0.04);
    Dati("x", d->quadranteL - d->shiftX - 0.04, -0.06);
}

void PlotSurface::cmdAssiAgg_Click(const std::string& x, const std::string& y) {
    // The boxes by the captions of the axes panel.
    const numeric::BoxNumber sx = numeric::readFiniteNumberBox("the Axis X box", x);
    const numeric::BoxNumber sy = numeric::readFiniteNumberBox("the Axis Y box", y);
    if (const std::string& unread = sx.refusal.empty() ? sy.refusal : sx.refusal;
        !unread.empty()) {
        d->view.txtX = shownNumber(d->shiftX, 5);
        d->view.txtY = shownNumber(d->shiftY, 5);
        d->notify();
        d->services.messageBox("Invalid axis shift: " + unread + " The axes are unchanged.");
        return;
    }
    setShiftX(sx.value);
    setShiftY(sy.value);
    cmdAssiChiudi_Click();
    Refresh();
    cmdAssi_Click();   // shows the panel again
}

void PlotSurface::cmdAssiChiudi_Click() { d->setView(d->view.axesPanelVisible, false); }

void PlotSurface::CmdGriglia_Click() { xPlotA4(); }

void PlotSurface::cmdPulisci_Click() { Clear(); }

namespace {

// A scroll bar's value within its range (the range's maximum is the picture's size in twips).
int scrollValue(double value, int maximum) {
    if (!(value > 0)) return 0;
    return value < maximum ? static_cast<int>(std::lround(value)) : maximum;
}

}  // namespace

void PlotSurface::HScroll1_Change(double value) {
    d->view.hScrollValue = scrollValue(value, d->view.hScrollMax);
    d->notify();
}

void PlotSurface::VScroll1_Change(double value) {
    d->view.vScrollValue = scrollValue(value, d->view.vScrollMax);
    d->notify();
}

void PlotSurface::hostResized() {
    // Origin at the horizontal centre and three tenths of the height from the top.
    setShiftX(d->quadranteL / 2);
    setShiftY(d->quadranteH / 3.3333333);
}

}  // namespace plot
