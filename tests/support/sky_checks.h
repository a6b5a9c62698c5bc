#pragma once
// Checks of the sky lines against the shadow oracle: the sun that casts each drawn point's
// shadow (always a sun in front of the plane) must be the sun the line stands for.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/dial_fixture.h"
#include "support/shadow_oracle.h"

namespace dialtest {

// What the oracle says of the sun whose shadow falls on a dial point.
struct SunOfPoint {
    oracle::HourDecl sun;  // hour angle (afternoon positive) and declination, degrees
    double altitude;       // degrees
    double azimuth;        // from the south, west positive, degrees
};

SunOfPoint sunOfPoint(const oracle::ShadowOracle& o, const oracle::DialXY& p);

// Every point's error (degrees) within the tolerance; the message names `what` and shows the
// worst point with its tag and sun.
testing::AssertionResult allSuns(const oracle::ShadowOracle& o,
                                 const std::vector<DrawnPoint>& points,
                                 const std::function<double(const DrawnPoint&, const SunOfPoint&)>& error,
                                 const std::string& what, double toleranceDeg = 1e-6);

// Errors for allSuns: the sun at the declination the point is tagged with; the sun above the
// horizon.
double offItsDeclination(const DrawnPoint& p, const SunOfPoint& s);
double belowTheHorizon(const DrawnPoint& p, const SunOfPoint& s);

// Points of the altitude lines, each tagged with its line's altitude (radians of `pi`), are
// shadows of the sun at that altitude.
testing::AssertionResult allAtTheirAltitude(const oracle::ShadowOracle& o,
                                            const std::vector<DrawnPoint>& points, double pi);

// The angle a - b folded into (-180, 180].
double angleBetween(double a, double b);

}  // namespace dialtest
