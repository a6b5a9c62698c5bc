#pragma once
// The state of one plot surface, shared by the files that implement PlotSurface.

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "plot/clipping.h"
#include "plot/display_list.h"
#include "plot/output_device.h"
#include "plot/plot_surface.h"
#include "plot/tile_list.h"
#include "plot/user_services.h"

namespace plot {

// A number as the panel boxes and labels show it: rounded (halves to even) to the given
// decimals, then written as text.
std::string shownNumber(double value, int decimals);

// Twips from the page's top-left corner to the printed header: 1.5 cm.
inline constexpr double PrintMarginTwips = PlotSurface::TwipsPerMetre * 0.015;

struct PlotSurface::Impl {
    Impl(OutputDevice& screenDevice, UserServices& userServices)
        : screen(&screenDevice), services(userServices) {}

    OutputDevice* screen;
    UserServices& services;
    PrinterDevice* printer = nullptr;   // set only while outputToPRN is true
    bool outputToPRN = false;

    std::int16_t scala = 1;
    double scaleFactor = TwipsPerMetre;   // twips per world metre at the current scale
    double quadranteH = 0, quadranteL = 0;
    double shiftX = 0, shiftY = 0;
    double pageHeight = 0, pageWidth = 0;   // metres, one printable page: one tile

    Colour backColor = 0;                                   // black
    Colour foreColor = numeric::rgb(255, 255, 255);         // texts on the screen
    static constexpr Colour PrinterForeColor = 0;           // texts on paper
    std::string marchio;

    DisplayList list;
    TileList tiles;

    PlotView view;
    std::function<void()> observer;

    // The current output: the screen picture, or the printer while printing.
    OutputDevice& out() const { return outputToPRN ? *printer : *screen; }
    // The colour texts are painted in: black on paper; on the screen the fore colour, except
    // that on a white background white text is painted black and light grey text dark grey,
    // as lines are.
    Colour textColour() const {
        constexpr Colour White = numeric::rgb(255, 255, 255);
        constexpr Colour LightGrey = numeric::rgb(192, 192, 192);
        if (outputToPRN) return PrinterForeColor;
        if (backColor != White) return foreColor;
        if (foreColor == White) return 0;
        if (foreColor == LightGrey) return numeric::rgb(128, 128, 128);
        return foreColor;
    }

    ClipArea area() const {
        return {-shiftX, quadranteL - shiftX, -shiftY, quadranteH - shiftY};
    }

    // World metres to output twips along one axis; false when the result is not a finite number
    // the current output can take (such a primitive is not painted).
    bool toTwips(double metres, double shift, double& twips) const {
        const double t = (metres + shift) * scaleFactor;
        if (!paintable(t)) return false;
        twips = t;
        return true;
    }
    bool paintable(double twips) const {
        return std::isfinite(twips) && std::fabs(twips) <= out().maxCoordinate();
    }

    // Sets a shift (ShiftX, ShiftY) and the box that shows it; a value that is not finite is
    // refused.
    void setShift(double& shift, std::string& shown, double v);

    // Switches the current output; the printer draws with width 2, the screen with width 1.
    void setOutputToPRN(bool toPrinter, PrinterDevice* device);

    // Sizes the picture and resets the scroll bars for the current area and scale (not while
    // printing), and rewrites the area label.
    void resizePlot();

    void notify() const {
        if (observer) observer();
    }
    // Sets a flag of the view (a panel shown, the print choice) and tells the window.
    void setView(bool& flag, bool value) {
        flag = value;
        notify();
    }
};

}  // namespace plot
