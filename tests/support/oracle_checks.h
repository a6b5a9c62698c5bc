#pragma once
// GoogleTest assertions that drawn points lie on their true curves, measured by the shadow
// oracle as a distance in the dial plane.
//
//   EXPECT_TRUE(oracle::allOnHourLine(o, -15, points));
//   EXPECT_TRUE(oracle::allOnDeclinationPair(o, 23.45, points));

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/shadow_oracle.h"

namespace oracle {

// The tolerance of the project: 1e-6 m for a 0.1 m style, proportional to the style length.
double toleranceFor(double styleLength);

// The items among `count` whose error is not within the tolerance (a NaN error is not): how
// many, and the worst of them.
struct Misses {
    std::size_t count = 0;
    std::size_t worst = 0;
    double worstError = -1;
};
Misses missesOf(std::size_t count, const std::function<double(std::size_t)>& error,
                double tolerance);

// Every point within `tolerance` (default: toleranceFor the oracle's style) of a curve whose
// distance function is given. The failure message names `what`, counts the failing points and
// shows the worst one with the sun that casts its shadow.
testing::AssertionResult allWithin(const ShadowOracle& o, const std::vector<DialXY>& points,
                                   const std::function<double(DialXY)>& distance,
                                   const std::string& what, double tolerance = -1);

testing::AssertionResult allOnHourLine(const ShadowOracle& o, double hourAngleDeg,
                                       const std::vector<DialXY>& points, double tolerance = -1);
// Either half of the geometric hour line: the hour angle H or H + 180 (a whole drawn line).
testing::AssertionResult allOnWholeHourLine(const ShadowOracle& o, double hourAngleDeg,
                                            const std::vector<DialXY>& points,
                                            double tolerance = -1);
testing::AssertionResult allOnDeclinationCurve(const ShadowOracle& o, double declinationDeg,
                                               const std::vector<DialXY>& points,
                                               double tolerance = -1);
// Either nappe: declination +decl or -decl (the programmes draw each pair in one colour).
testing::AssertionResult allOnDeclinationPair(const ShadowOracle& o, double declinationDeg,
                                              const std::vector<DialXY>& points,
                                              double tolerance = -1);
testing::AssertionResult allOnItalianLine(const ShadowOracle& o, double n,
                                          const std::vector<DialXY>& points,
                                          double tolerance = -1);
testing::AssertionResult allOnBabylonianLine(const ShadowOracle& o, double n,
                                             const std::vector<DialXY>& points,
                                             double tolerance = -1);

// Every point lies where the sun that casts its shadow is above the horizon (its altitude more
// than -toleranceDeg): no point of a curve is drawn for a sun that has set.
testing::AssertionResult allSunlit(const ShadowOracle& o, const std::vector<DialXY>& points,
                                   double toleranceDeg = 1e-6);

// The points of one declination pair as a sundial shows it: on the curves of +-declination,
// every one cast by a sun above the horizon, and more than minPoints of them wherever the sun
// casts such shadows within the square |x|, |y| <= half around the foot.
testing::AssertionResult sunlitDeclinationPair(const ShadowOracle& o, double declinationDeg,
                                               const std::vector<DialXY>& points,
                                               std::size_t minPoints, double half,
                                               double tolerance = -1);

// How many of the sunlit shadows of the days of +-declination fall within the square
// |x|, |y| <= half (dial metres), sampled along each day every 0.1 degree of hour angle.
std::size_t sunlitShadowsWithin(const ShadowOracle& o, double declinationDeg, double half);

// The lowest altitude (degrees) of the suns that cast the points: near 0 where a curve is drawn
// up to the horizon; +infinity for no point.
double lowestSunAltitude(const ShadowOracle& o, const std::vector<DialXY>& points);

}  // namespace oracle
