#pragma once
// A device that paints nothing and services that show nothing: for a drawing made only for its
// display list (a measurement).

#include <string>

#include "plot/output_device.h"
#include "plot/user_services.h"

namespace plot {

// Paints nothing; counts what it was asked to paint.
class NullDevice : public OutputDevice {
public:
    void clear() override {}
    void point(double, double, Colour) override { ++painted; }
    void line(double, double, double, double, Colour) override { ++painted; }
    void box(double, double, double, double, Colour, bool) override { ++painted; }
    void ellipse(double, double, double, Colour, double, double, double, Colour) override {
        ++painted;
    }
    void textLine(const std::string&, Colour) override {}
    double currentX() const override { return 0; }
    double currentY() const override { return 0; }
    void setCurrentX(double) override {}
    void setCurrentY(double) override {}
    void setLineWidth(int) override {}
    void setDotted(bool) override {}
    long long painted = 0;
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
