#pragma once
// A parabolic cylinder dial set up in-process as Run sets it up (see support/dial_fixture.h),
// checked against the independent shadow model of the cylinder the inputs describe.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/cylindrical/parabolic_procedures.h"
#include "support/dial_fixture.h"
#include "support/parabolic_oracle.h"

namespace paratest {

using dialtest::Drawing;
using dialtest::DrawnPoint;
using dialtest::Settings;

// A parabolic dial as typed: latitude and declination (west +) in degrees, the side, the radius
// of curvature at the vertex and the style in metres.
struct Cylinder {
    double lat;
    double decl;
    bool convex;
    double radius = 0.3;
    double style = 0.1;
};

// A test name: side, latitude and declination.
std::string cylinderName(const testing::TestParamInfo<Cylinder>& info);

// The colour drawn for a palette index with the design-time options.
plot::Colour colourOf(int index);

// Every feature box cleared, then the given ones ticked.
Settings only(const std::vector<std::string>& boxes);

class ParabolicDial : public dialtest::ProgrammeDial {
public:
    // Types the cylinder and chooses the programme, then the settings.
    explicit ParabolicDial(const Cylinder& c, const Settings& settings = {});

    // Run with the reader and the set-up of the curves standing for the driver. Returns what
    // Run returned.
    bool setUp();
    const dials::cylindrical::ParabolicFrame& frame() const { return frame_; }

    // What one section of the curves draws.
    using Section = void (*)(shell::Context&, const dials::cylindrical::ParabolicFrame&);
    Drawing drawSection(Section section);

    oracle::ParabolicOracle oracle() const;

private:
    Cylinder cylinder_;
    dials::cylindrical::ParabolicFrame frame_;
};

// Every point within the tolerance of a curve given by its distance function.
testing::AssertionResult allWithin(const std::vector<oracle::DialXY>& points,
                                   const std::function<double(oracle::DialXY)>& distance,
                                   const std::string& what, double tolerance = 1e-6);

}  // namespace paratest
