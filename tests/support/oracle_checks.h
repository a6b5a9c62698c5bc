#pragma once
// GoogleTest assertions that drawn points lie on their true curves, measured by the shadow
// oracle as a distance in the dial plane.
//
//   EXPECT_TRUE(oracle::allOnHourLine(o, -15, points));
//   EXPECT_TRUE(oracle::allOnDeclinationPair(o, 23.45, points));

#include <cstddef>
#include <cstdint>
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

// A sun that a line of a dial stands for (degrees), with the colour its shadow is drawn in.
struct ColouredSun {
    HourDecl sun;
    std::int32_t colour;
};
// A drawn point in dial coordinates (y up) with its colour.
struct ColouredPoint {
    DialXY at;
    std::int32_t colour;
};
// The visible plot area in dial coordinates (y up).
struct DialArea {
    double left, right, bottom, top;
};

// The drawing is exactly the shadows of the suns that fall on the dial: every point is the
// shadow of one of them (compared as suns, to 1e-6 degrees), in its colour, above the horizon;
// and as many points are drawn as those suns cast in front of the plane, above the horizon and
// inside the area (a sun within 1e-7 degrees of the horizon, or a point within 1e-9 m of the
// area's edge, may go either way).
testing::AssertionResult drawsExactlyTheShadowsOf(const ShadowOracle& o, const DialArea& area,
                                                  const std::vector<ColouredPoint>& drawn,
                                                  const std::vector<ColouredSun>& suns);

}  // namespace oracle
