#pragma once
// What the cylinder programmes' tests share: a cylinder as typed, its input boxes, a programme
// dial that keeps the cylinder for its oracle, and the check that drawn points lie on a curve.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "support/cylinder_oracle.h"
#include "support/dial_fixture.h"

namespace cyltest {

using dialtest::colourOf;
using dialtest::Drawing;
using dialtest::DrawnPoint;
using dialtest::Settings;

// A cylinder as typed: latitude and wall declination (west +) in degrees, the side, the radius
// (of curvature at the vertex, on a parabolic cylinder) and the style in metres.
struct Cylinder {
    double lat;
    double decl;
    bool convex;
    double radius = 0.3;
    double style = 0.1;
};

std::string describe(const Cylinder& c);
void PrintTo(const Cylinder& c, std::ostream* out);
// A test name: side, latitude and declination.
std::string cylinderName(const testing::TestParamInfo<Cylinder>& info);

// The place, wall, radius, style and side as typed.
Settings typedCylinder(const Cylinder& c);
// Every feature box cleared, then the given ones ticked.
Settings only(const std::vector<std::string>& boxes);

// The cylinder typed, with every feature box unticked where `boxesOff`.
Settings typedCylinder(const Cylinder& c, bool boxesOff);

// The programme chosen with the cylinder typed, then the extra settings applied.
class CylinderDial : public dialtest::ProgrammeDial {
public:
    CylinderDial(std::string_view programme, const Cylinder& c, const Settings& extra,
                 bool boxesOff = false)
        : ProgrammeDial(programme, typedCylinder(c, boxesOff), extra), cylinder_(c) {}

    const Cylinder& cylinder() const { return cylinder_; }
    // The circular cylinder's oracle.
    oracle::CylinderOracle oracle() const;

private:
    Cylinder cylinder_;
};

// Whether the meridian plane through the tip cuts the circular section (the tip, seen from the
// axis, lies within the radius across the meridian).
bool meridianCutsSection(const Cylinder& c, const oracle::CylinderOracle& o);

// Every point within the tolerance of its curve, measured by `distance` in unrolled metres; the
// message names `what`, counts the misses and shows the worst.
testing::AssertionResult allWithin(const std::vector<oracle::DialXY>& points,
                                   const std::function<double(oracle::DialXY)>& distance,
                                   const std::string& what, double tolerance);

}  // namespace cyltest
