// Page grid, A4 tile selection and printing.

#include <cmath>
#include <string>

#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "numeric/step_loop.h"
#include "plot/plot_surface.h"
#include "plot/surface_state.h"

namespace plot {

namespace {

constexpr Colour GridColour = numeric::rgb(128, 128, 128);
constexpr Colour TileColour = numeric::rgb(255, 128, 0);

// A tile number as a header shows it: a blank (or the sign) in front and a blank after.
std::string tileHeader(std::int16_t number) {
    const int n = number;
    std::string header(1, n < 0 ? '-' : ' ');
    header += std::to_string(n < 0 ? -n : n);
    header += ' ';
    return header;
}

// The index of the tile that holds `at` along a side `side` long, tiles `tile` long; -1 when
// there is none.
int tileIndex(double at, double tile, double side) {
    for (int k = 0; k * tile <= side; ++k)
        if (at - k * tile < tile) return k;
    return -1;
}

// Printing switches the surface's state to the printer and back. The way back (`restore`) runs
// on every path, a failing printer included, before the user is told; and nothing yields to the
// window system in between, so no window event can draw on the printer.
template <class Job, class Restore>
void runPrintJob(UserServices& services, PrinterDevice& printer, Job job, Restore restore) {
    std::string failure;
    {
        struct OnExit {
            Restore& restore;
            ~OnExit() { restore(); }
        } onExit{restore};
        try {
            job();
        } catch (const PrinterFailure& e) {
            try {
                printer.abortDoc();
            } catch (...) {
                // The job is being abandoned already; a second failure changes nothing.
            }
            failure = "Printing failed and was stopped.";
            if (*e.what()) failure += std::string("\n") + e.what();
        }
    }
    if (!failure.empty()) services.messageBox(failure);
}

}  // namespace

void PlotSurface::xPlotA4() {
    OutputDevice& out = d->out();
    out.setLineWidth(1);
    out.setDotted(true);
    const double W = d->quadranteL, Hh = d->quadranteH;
    // Horizontal lines while t <= 3 x PageHeight + W, vertical ones while t <= 3 x PageWidth
    // + Hh; whatever lies beyond the area is clipped away.
    for (double t : numeric::StepRange(0, 3 * d->pageHeight + W, d->pageHeight))
        xLine(-d->shiftX, t - d->shiftY, W - d->shiftX, t - d->shiftY, GridColour, false);
    for (double t : numeric::StepRange(0, 3 * d->pageWidth + Hh, d->pageWidth))
        xLine(t - d->shiftX, -d->shiftY, t - d->shiftX, Hh - d->shiftY, GridColour, false);
    out.setDotted(false);
}

void PlotSurface::xTrovaA4(double x, double y) {
    // x, y: metres from the picture's top-left corner. A point off the picture picks nothing.
    if (!std::isfinite(x) || !std::isfinite(y) || x < 0 || y < 0) return;
    const double W = d->quadranteL, Hh = d->quadranteH;
    const double PW = d->pageWidth, PH = d->pageHeight;

    const int column = tileIndex(x, PW, W), row = tileIndex(y, PH, Hh);
    if (column < 0 || row < 0) return;

    // Columns of the grid: a last partial column narrower than about a twentieth of a tile is
    // not counted, so a click there gets the number of the next row's first tile.
    const double ratio = W / PW;
    double columns = numeric::intFloor(ratio);
    if (numeric::roundHalfEven(ratio, 1) > columns) columns += 1;
    std::int16_t number;
    try {
        number = numeric::toInt16(row * columns + column + 1);
    } catch (const numeric::NumericFailure&) {
        return;   // beyond the 16-bit tile numbers: not selectable
    }

    OutputDevice& out = d->out();
    out.setLineWidth(1);
    out.setDotted(true);
    const double left = column * PW - d->shiftX, right = left + PW;
    const double top = row * PH - d->shiftY, bottom = top + PH;
    xLine(left, top, left, bottom, TileColour);
    xLine(left, top, right, top, TileColour);
    xLine(right, top, right, bottom, TileColour);
    xLine(left, bottom, right, bottom, TileColour);
    Dati(std::to_string(number), left + 0.003, top + 0.003, false);
    d->tiles.append({number, left, top});
    out.setDotted(false);
}

void PlotSurface::PrintAll(PrinterDevice& printer) {
    runPrintJob(
        d->services, printer,
        [&] {
            d->setOutputToPRN(true, &printer);
            printer.setCurrentY(PrintMarginTwips);
            printer.textLine(d->marchio, Impl::PrinterForeColor);
            for (const TextRecord& t : d->list.texts)
                printer.textLine(t.text, Impl::PrinterForeColor);
            Refresh();
            printer.endDoc();
        },
        [&] { d->setOutputToPRN(false, nullptr); });
}

void PlotSurface::PrintArea(PrinterDevice& printer) {
    if (d->tiles.empty()) {
        d->services.messageBox("Nessuna area selezionata");
        return;
    }
    runPrintJob(
        d->services, printer,
        [&] {
            // The clipping area becomes exactly one tile, at 1:1.
            d->quadranteH = d->pageHeight;
            d->quadranteL = d->pageWidth;
            d->setOutputToPRN(true, &printer);
            setScala(1);
            for (std::size_t i = 1; i <= d->tiles.count(); ++i) {
                const TileRecord tile = d->tiles[i];
                printer.setCurrentX(PrintMarginTwips);
                printer.setCurrentY(PrintMarginTwips);
                printer.textLine(tileHeader(tile.Number) + d->marchio, Impl::PrinterForeColor);
                // The tile's top-left corner on the page's top-left corner.
                setShiftX(-tile.X);
                setShiftY(-tile.Y);
                Refresh();
                printer.newPage();
            }
            // A page started by the last new page and left empty is not printed.
            if (printer.pageCount() > 0) printer.endDoc();
        },
        [this, shiftX = d->shiftX, shiftY = d->shiftY, quadranteH = d->quadranteH,
         quadranteL = d->quadranteL, scala = d->scala] {
            d->setOutputToPRN(false, nullptr);
            setShiftX(shiftX);
            setShiftY(shiftY);
            d->quadranteH = quadranteH;
            d->quadranteL = quadranteL;
            setScala(scala);   // resizes the picture, scroll bars back at 0
        });
}

}  // namespace plot
