#pragma once
// The circular cylinder by 3D analytic geometry set up in-process as Run sets it up (see
// support/dial_fixture.h), checked against the cylinder oracle of the same cylinder.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cylinder_oracle.h"
#include "support/dial_fixture.h"

namespace cyl3dtest {

using dialtest::Drawing;
using dialtest::Settings;

// A cylinder as typed: latitude and wall declination in degrees, radius and style in metres.
struct Cylinder {
    double lat;
    double decl;
    bool convex;
    double radius = 0.3;
    double style = 0.1;
};

std::string describe(const Cylinder& c);
void PrintTo(const Cylinder& c, std::ostream* out);

// Concave and convex cylinders of several declinations, all northern (the programme refuses
// the southern hemisphere), one on the equator.
const std::vector<Cylinder>& cylinders();

// The colour drawn for a palette index with the design-time options.
plot::Colour colourOf(int index);

class Cyl3dDial : public dialtest::ProgrammeDial {
public:
    explicit Cyl3dDial(const Cylinder& c, const Settings& extra = {});
    // Run with the input reader and the shared set-up standing for the driver.
    bool setUp();
    oracle::CylinderOracle oracle() const;

private:
    Cylinder c_;
};

// The oracle's hour angle (degrees, afternoon +) of the programme's (radians, morning +).
double oracleHourAngle(double programmeRad);

// Every point reachable by the tip's shadow and within the tolerance of its curve.
testing::AssertionResult allOnCurve(const oracle::CylinderOracle& o,
                                    const std::vector<oracle::DialXY>& points,
                                    const std::function<double(oracle::DialXY)>& distance,
                                    const std::string& what);

}  // namespace cyl3dtest
