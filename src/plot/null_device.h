#pragma once
// A device that paints nothing and services that show nothing: for a drawing made only for its
// display list (a measurement).

#include <string>

#include "plot/output_device.h"
#include "plot/user_services.h"

namespace plot {

// Paints nothing; counts what it was asked to paint, and keeps the text cursor as a page does
// (a text line moves it to the start of the next line, 12 points down), so that a text placed at
// the cursor lands where it would on a device that paints.
class NullDevice : public OutputDevice {
public:
    void clear() override { x_ = y_ = 0; }
    void point(double, double, Colour) override { ++painted; }
    void line(double, double, double, double, Colour) override { ++painted; }
    void ellipse(double, double, double, Colour, double, double, double, Colour) override {
        ++painted;
    }
    void textLine(const std::string&, Colour) override {
        x_ = 0;
        y_ += kLineHeight;
    }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void setLineWidth(int) override {}
    void setDotted(bool) override {}
    long long painted = 0;

private:
    static constexpr double kLineHeight = 240;  // twips
    double x_ = 0, y_ = 0;
};

// Shows no message, no busy cursor and sounds no beep.
class SilentServices : public UserServices {
public:
    void messageBox(const std::string&) override {}
    void beep() override {}

protected:
    void setBusy(bool) override {}
};

}  // namespace plot
