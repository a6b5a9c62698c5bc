// rundial: runs one programme headless and prints what it drew (see support/rundial_lib.h).
// A test tool, built with the tests and never installed.

#include <iostream>
#include <string>
#include <vector>

#include "plot/output_device.h"
#include "support/rundial_lib.h"

namespace {

// Paints nothing: the tool reads the display list, not a picture.
class NullDevice : public plot::OutputDevice {
public:
    void clear() override { x_ = y_ = 0; }
    void point(double, double, plot::Colour) override {}
    void line(double, double, double, double, plot::Colour) override {}
    void box(double, double, double, double, plot::Colour, bool) override {}
    void ellipse(double, double, double, plot::Colour, double, double, double,
                 plot::Colour) override {}
    void textLine(const std::string&, plot::Colour) override {
        x_ = 0;
        y_ += kLineHeight;
    }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void setLineWidth(int) override {}
    void setDotted(bool) override {}

private:
    static constexpr double kLineHeight = 240;  // twips a text line moves down, as in the tests
    double x_ = 0, y_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    NullDevice device;
    return rundial::toolMain(args, device, std::cout, std::cerr);
}
