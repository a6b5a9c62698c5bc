#pragma once
// The circular cylinder by 3D analytic geometry set up in-process as Run sets it up (see
// cylinder_fixture.h), checked against the cylinder oracle of the same cylinder.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cylinder_fixture.h"

namespace cyl3dtest {

using cyltest::colourOf;
using cyltest::Cylinder;
using cyltest::describe;
using cyltest::Drawing;
using cyltest::Settings;

// Concave and convex cylinders of several declinations, all northern (the programme refuses
// the southern hemisphere), one on the equator, two in the tropics, three at latitudes equal to
// the declination lines', two north of the polar circle, concave styles longer than the radius
// and than the diameter, lines nearly upright on the development, walls facing every way at the
// equator.
const std::vector<Cylinder>& cylinders();

class Cyl3dDial : public cyltest::CylinderDial {
public:
    explicit Cyl3dDial(const Cylinder& c, const Settings& extra = {})
        : CylinderDial("M_CILINDRICI", c, extra) {}
    // Run with the input reader and the shared set-up standing for the driver.
    bool setUp();
};

// The oracle's hour angle (degrees, afternoon +) of the programme's (radians, morning +).
double oracleHourAngle(double programmeRad);

// Every point cast by a real sun (above the horizon, not on it, the shadow reaching it) and
// within the tolerance of its curve.
testing::AssertionResult allOnCurve(const oracle::CylinderOracle& o,
                                    const std::vector<oracle::DialXY>& points,
                                    const std::function<double(oracle::DialXY)>& distance,
                                    const std::string& what);

}  // namespace cyl3dtest
