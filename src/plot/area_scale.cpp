// Plot area, scale and shifts; the picture's size and scroll ranges; the choice of output;
// the surface's properties and creation.

#include <algorithm>
#include <array>
#include <cmath>

#include "numeric/checked.h"
#include "numeric/format.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "plot/plot_surface.h"
#include "plot/surface_state.h"

namespace plot {

namespace {

constexpr std::array<int, 8> ScaleChoices{1, 2, 3, 4, 5, 10, 20, 100};
constexpr double MaxSide = PlotSurface::MaxSide;

// A page size the area and the tiles can be built on: finite, and leaving a printable size
// of at least a centimetre and at most the largest plot area on each side.
bool usablePage(const PageSizeTwips& page) {
    const double h = page.height / PlotSurface::TwipsPerMetre - 0.015;
    const double w = page.width / PlotSurface::TwipsPerMetre - 0.013;
    return std::isfinite(h) && std::isfinite(w) && h >= 0.01 && w >= 0.01 && h <= MaxSide &&
           w <= MaxSide;
}

// A picture size in twips as a 16-bit scroll range (minimum 0).
int scrollRange(double twips) {
    return numeric::toInt16(std::clamp(twips, 0.0, 32767.0));
}

}  // namespace

std::string shownNumber(double value, int decimals) {
    double shown = value;
    numeric::assignOrSkip(shown, [&] { return numeric::roundHalfEven(value, decimals); });
    return numeric::toText(shown);
}

PlotSurface::PlotSurface(OutputDevice& screen, UserServices& services,
                         std::optional<PageSizeTwips> page)
    : d(std::make_unique<Impl>(screen, services)) {
    // Without a readable page size (no printer), an A4 portrait page.
    PageSizeTwips size = page.value_or(PageSizeTwips{});
    if (!usablePage(size)) size = PageSizeTwips{};
    d->pageHeight = size.height / TwipsPerMetre - 0.015;
    d->pageWidth = size.width / TwipsPerMetre - 0.013;

    // One printable page, stored directly.
    d->quadranteH = d->pageHeight;
    d->quadranteL = d->pageWidth;

    // 1:1 unless the page is too large for it.
    const std::int16_t initialScale = std::max<std::int16_t>(1, ScalaMinima());
    CaricaComboScala(ScalaMinima(), initialScale);
    d->view.txtQH = shownNumber(d->quadranteH, 2);
    d->view.txtQL = shownNumber(d->quadranteL, 2);

    screen.setBackColor(d->backColor);
    setShiftX(0);
    setShiftY(0);
    setScala(initialScale);
    d->setOutputToPRN(false, nullptr);
}

PlotSurface::~PlotSurface() = default;

// ---- scale --------------------------------------------------------------------------------

std::int16_t PlotSurface::Scala() const { return d->scala; }

void PlotSurface::setScala(std::int16_t v) {
    // Never 0 or negative; below the area's minimum only while printing.
    if (v <= 0) return;
    const int floor = d->outputToPRN ? 0 : ScalaMinima();
    if (v < floor) return;
    d->scaleFactor = (1.0 / v) * TwipsPerMetre;
    d->scala = v;
    d->resizePlot();
    d->notify();
}

// The smallest scale at which neither side of the picture exceeds 32,000 twips. Each bound is
// 32,000 x scale / TwipsPerMetre truncated to the millimetre.
std::int16_t PlotSurface::ScalaMinima() const {
    const double m = d->quadranteH > d->quadranteL ? d->quadranteH : d->quadranteL;
    if (m < 0 || m > MaxSide) return 0;
    for (int s : ScaleChoices)
        if (m < std::trunc(32000.0 * s / TwipsPerMetre * 1000) / 1000) return s;
    return ScaleChoices.back();
}

void PlotSurface::CaricaComboScala(int intScalaMinima, int intDefault) {
    d->view.cmbScalaItems.clear();
    std::string shown;
    for (int s : ScaleChoices) {
        if (s < intScalaMinima) continue;
        std::string item = "1:" + std::to_string(s);
        if (s == intDefault) shown = item;
        d->view.cmbScalaItems.emplace_back(std::move(item), s);
    }
    d->view.cmbScalaText = shown;
    d->notify();
}

// ---- area and shifts ----------------------------------------------------------------------

double PlotSurface::QuadranteH() const { return d->quadranteH; }
double PlotSurface::QuadranteL() const { return d->quadranteL; }

void PlotSurface::setQuadranteH(double v) { setSide(d->quadranteH, d->view.txtQH, v); }
void PlotSurface::setQuadranteL(double v) { setSide(d->quadranteL, d->view.txtQL, v); }

void PlotSurface::setSide(double& side, std::string& shown, double v) {
    if (!std::isfinite(v) || v < 0) return;   // a picture cannot take it
    side = std::min(v, MaxSide);
    shown = shownNumber(side, 2);
    if (Scala() < ScalaMinima()) setScala(ScalaMinima());   // a smaller area never lowers it
    CaricaComboScala(ScalaMinima(), Scala());
    d->resizePlot();
    d->notify();
}

double PlotSurface::ShiftX() const { return d->shiftX; }
double PlotSurface::ShiftY() const { return d->shiftY; }

void PlotSurface::setShiftX(double v) { d->setShift(d->shiftX, d->view.txtX, v); }
void PlotSurface::setShiftY(double v) { d->setShift(d->shiftY, d->view.txtY, v); }

void PlotSurface::Impl::setShift(double& shift, std::string& shown, double v) {
    if (!std::isfinite(v)) return;
    shift = v;
    shown = shownNumber(v, 5);
    notify();
}

void PlotSurface::Impl::resizePlot() {
    if (outputToPRN) return;
    view.vScrollValue = 0;
    view.pictureHeight = quadranteH * TwipsPerMetre / scala;
    view.vScrollMax = scrollRange(view.pictureHeight);
    view.hScrollValue = 0;
    view.pictureWidth = quadranteL * TwipsPerMetre / scala;
    view.hScrollMax = scrollRange(view.pictureWidth);
    view.lblDimVal = shownNumber(quadranteH, 2) + " x " + shownNumber(quadranteL, 2);
}

void PlotSurface::Impl::setOutputToPRN(bool toPrinter, PrinterDevice* device) {
    outputToPRN = toPrinter && device != nullptr;
    printer = outputToPRN ? device : nullptr;
    out().setLineWidth(outputToPRN ? 2 : 1);
}

// ---- properties ---------------------------------------------------------------------------

Colour PlotSurface::BackColor() const { return d->backColor; }

// The new background is painted at once; the drawing is replayed on it, so it is not lost, and
// the window is told, so that the title takes a colour that shows on it.
void PlotSurface::setBackColor(Colour c) {
    if (c == d->backColor) return;
    d->backColor = c;
    d->screen->setBackColor(c);
    if (!d->outputToPRN) Refresh();
    d->notify();
}

void PlotSurface::setForeColor(Colour c) { d->foreColor = c; }
void PlotSurface::setMarchio(const std::string& s) { d->marchio = s; }

const PlotView& PlotSurface::view() const { return d->view; }
void PlotSurface::setViewObserver(std::function<void()> observer) {
    d->observer = std::move(observer);
}
const DisplayList& PlotSurface::displayList() const { return d->list; }
const TileList& PlotSurface::tileList() const { return d->tiles; }

}  // namespace plot
