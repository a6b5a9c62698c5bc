#pragma once
// A parabolic cylinder dial set up in-process as Run sets it up (see cylinder_fixture.h),
// checked against the independent shadow model of the cylinder the inputs describe.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/cylindrical/parabolic_procedures.h"
#include "cylinder_fixture.h"
#include "support/parabolic_oracle.h"

namespace paratest {

using cyltest::colourOf;
using cyltest::Cylinder;
using cyltest::cylinderName;
using cyltest::Drawing;
using cyltest::DrawnPoint;
using cyltest::only;
using cyltest::Settings;

// A parabolic dial as typed (cyltest::Cylinder): the radius is that of curvature at the vertex.
class ParabolicDial : public cyltest::CylinderDial {
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

    // The parabolic cylinder's oracle (hides the circular one).
    oracle::ParabolicOracle oracle() const;

private:
    dials::cylindrical::ParabolicFrame frame_;
};

// Every point within the tolerance of a curve given by its distance function.
inline testing::AssertionResult allWithin(const std::vector<oracle::DialXY>& points,
                                          const std::function<double(oracle::DialXY)>& distance,
                                          const std::string& what, double tolerance = 1e-6) {
    return cyltest::allWithin(points, distance, what, tolerance);
}

}  // namespace paratest
