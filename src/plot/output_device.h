#pragma once
// The abstract surface the plot paints on, in twips (1/1440 inch; 567 to the centimetre as the
// plot counts them) from the top-left corner, y downward. The Qt face implements it over the
// screen image and over a printer; tests use a recording device.

#include <stdexcept>
#include <string>

#include "numeric/palette.h"

namespace plot {

using numeric::Colour;

class OutputDevice {
public:
    virtual ~OutputDevice() = default;

    // Clears the surface to its background and moves the current position to (0, 0).
    virtual void clear() = 0;

    virtual void point(double x, double y, Colour colour) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // Circle or ellipse centred at (cx, cy) with the radius in twips and the aspect ratio
    // (height / width); when start == end == 0 the whole figure, otherwise the arc from start to
    // end in radians, counter-clockwise as seen on the screen from the +x direction. When
    // fillColour >= 0 the figure is filled with it.
    virtual void ellipse(double cx, double cy, double radius, Colour colour, double aspect,
                         double start, double end, Colour fillColour) = 0;

    // One line of text at the current position in the given colour; the current position then
    // moves to the left edge, one text line lower.
    virtual void textLine(const std::string& text, Colour colour) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    virtual void setLineWidth(int width) = 0;
    virtual void setDotted(bool dotted) = 0;

    // The background colour that clear() paints. A surface without a background of its own (the
    // printer's paper) ignores it.
    virtual void setBackColor(Colour /*colour*/) {}

    // The largest coordinate, in twips, the device can take; beyond it nothing is painted.
    virtual double maxCoordinate() const { return 2.0e9; }
};

// A printer: an output device with pages. Any method may throw PrinterFailure.
class PrinterDevice : public OutputDevice {
public:
    virtual void newPage() = 0;
    // Pages started so far (the page in progress counts once something was printed on it).
    virtual int pageCount() const = 0;
    virtual void endDoc() = 0;
    // Abandons the job after a failure: nothing more is sent, nothing is left half printed
    // where the printer allows it. Must not throw.
    virtual void abortDoc() = 0;
};

struct PrinterFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The printer's page size in twips, when it can be read.
struct PageSizeTwips {
    double width = 11906;   // A4 portrait
    double height = 16838;
};

}  // namespace plot
