#pragma once
// What the screen picture and the printer have in common as output devices: every primitive and
// the pen state go through one TwipPainter. A device supplies the painter to draw on (target())
// and may be told after each primitive (painted()).

#include <QPainter>

#include <string>

#include "plot/output_device.h"
#include "ui/twip_painter.h"

namespace ui {

// Base is plot::OutputDevice or plot::PrinterDevice.
template <class Base>
class TwipDevice : public Base {
public:
    void point(double x, double y, plot::Colour colour) override {
        tp_.point(target(), x, y, colour);
        painted();
    }
    void line(double x1, double y1, double x2, double y2, plot::Colour colour) override {
        tp_.line(target(), x1, y1, x2, y2, colour);
        painted();
    }
    void ellipse(double cx, double cy, double radius, plot::Colour colour, double aspect,
                 double start, double end, plot::Colour fillColour) override {
        tp_.ellipse(target(), cx, cy, radius, colour, aspect, start, end, fillColour);
        painted();
    }
    void textLine(const std::string& text, plot::Colour colour) override {
        tp_.textLine(target(), text, colour);
        painted();
    }
    double currentX() const override { return tp_.currentX; }
    double currentY() const override { return tp_.currentY; }
    void setCurrentX(double x) override { tp_.currentX = x; }
    void setCurrentY(double y) override { tp_.currentY = y; }
    void setLineWidth(int width) override { tp_.lineWidth = width; }
    void setDotted(bool dotted) override { tp_.dotted = dotted; }
    double maxCoordinate() const override { return tp_.maxCoordinate(); }
    // The current position back to (0, 0); a device with a picture also clears it.
    void clear() override {
        tp_.currentX = 0;
        tp_.currentY = 0;
    }

protected:
    // dotsPerInch: the device's resolution; penUnit: device pixels per unit of line width.
    TwipDevice(double dotsPerInch, double penUnit) : tp_(dotsPerInch, penUnit) {}

    // The painter the next primitive is drawn with.
    virtual QPainter& target() = 0;
    // Told after each primitive was drawn.
    virtual void painted() {}

    TwipPainter tp_;
};

}  // namespace ui
