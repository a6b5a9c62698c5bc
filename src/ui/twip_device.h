#pragma once
// What the screen picture and the printer have in common as output devices: primitives given
// in twips are painted with a QPainter on a device of a known resolution. Nothing that is not
// a finite number, and nothing beyond the device's coordinate limit, reaches the painter. A
// device supplies the painter to draw on (target()) and may be told after each primitive
// (painted()).

#include <QFont>
#include <QPainter>

#include <string>

#include "plot/output_device.h"

namespace ui {

// Base is plot::OutputDevice or plot::PrinterDevice.
template <class Base>
class TwipDevice : public Base {
public:
    void point(double x, double y, plot::Colour colour) override;
    void line(double x1, double y1, double x2, double y2, plot::Colour colour) override;
    void ellipse(double cx, double cy, double radius, plot::Colour colour, double aspect,
                 double start, double end, plot::Colour fillColour) override;
    // Writes the text with its top at the current position, then moves the position to the
    // left edge, one text line lower.
    void textLine(const std::string& text, plot::Colour colour) override;
    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }
    void setCurrentX(double x) override { currentX_ = x; }
    void setCurrentY(double y) override { currentY_ = y; }
    void setLineWidth(int width) override { lineWidth_ = width; }
    void setDotted(bool dotted) override { dotted_ = dotted; }
    // The largest coordinate in twips handed to the painter (a million device pixels).
    double maxCoordinate() const override { return 1.0e6 / pixelsPerTwip(); }
    // The current position back to (0, 0); a device with a picture also clears it.
    void clear() override {
        currentX_ = 0;
        currentY_ = 0;
    }

    double pixelsPerTwip() const { return dotsPerInch_ / 1440.0; }

protected:
    // dotsPerInch: the device's resolution; penUnit: device pixels per unit of line width.
    TwipDevice(double dotsPerInch, double penUnit);

    // The painter the next primitive is drawn with.
    virtual QPainter& target() = 0;
    // Told after each primitive was drawn.
    virtual void painted() {}

    const double dotsPerInch_;

private:
    bool usable(double v) const;
    QPen pen(plot::Colour colour) const;

    const double penUnit_;
    double currentX_ = 0;   // twips
    double currentY_ = 0;
    int lineWidth_ = 1;
    bool dotted_ = false;
    QFont font_;
};

extern template class TwipDevice<plot::OutputDevice>;
extern template class TwipDevice<plot::PrinterDevice>;

}  // namespace ui
