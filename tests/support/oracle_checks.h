#pragma once
// GoogleTest assertions that drawn points lie on their true curves, measured by the shadow
// oracle as a distance in the dial plane.
//
//   EXPECT_TRUE(oracle::allOnHourLine(o, -15, points));
//   EXPECT_TRUE(oracle::allOnDeclinationPair(o, 23.45, points));

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
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

// The points that lie on the straight line through a and b (within `tolerance` of it) cover the
// segment from a to b: projected on it they leave no stretch longer than `gap` without a point,
// the two ends included. Points off that line are not counted (check them with the functions
// above); a line left out of a drawing fails here.
testing::AssertionResult coversSegment(DialXY a, DialXY b, const std::vector<DialXY>& points,
                                       double gap, double tolerance = 1e-6);

// Every point is the shadow of a sun above the horizon (the sun in the direction from the point
// to the tip): its altitude is above -toleranceDeg.
testing::AssertionResult allCastBySunAboveHorizon(const ShadowOracle& o,
                                                  const std::vector<DialXY>& points,
                                                  double toleranceDeg = 1e-7);

// Every point is the shadow of a sun clear of the horizon: its altitude exceeds what the stored
// Pi leaves of an exact zero (numeric::kStoredPiResidue, as a sine). A sun on the horizon casts
// no shadow: neither the horizon line itself (the Italian hour 24, the Babylonian hour 0) nor a
// point of a curve where its sun sets is drawn.
testing::AssertionResult allCastClearOfTheHorizon(const ShadowOracle& o,
                                                  const std::vector<DialXY>& points);

// Every point lies on the Italian (Babylonian) hour line n and is the shadow of a sun above the
// horizon at that very hour: neither a sun at night nor a sun of the other family's hour of the
// same number, which owns the rest of the same line. Hours compare modulo 24.
testing::AssertionResult allCastAtItalianHour(const ShadowOracle& o, double n,
                                              const std::vector<DialXY>& points,
                                              double tolerance = -1);
testing::AssertionResult allCastAtBabylonianHour(const ShadowOracle& o, double n,
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

// The Italian (Babylonian) hour line n as a programme that lays the line across the plot area
// shows it: every point on the line, cast by a sun clear of the horizon, and at that very hour
// (allCastAtItalianHour) where its sun is more than a thousandth of a degree from the day circle
// that grazes the horizon (there the two families' halves of the line join and a sun's hour,
// found through a sunset hour angle near 0 or 180 degrees, is too ill-conditioned to compare);
// and the stretch of the line that the suns of that hour over the year (every 0.05 degree of
// declination, in front of the plane, above the horizon, more than `margin` inside the area)
// light, covered with no gap longer than `gap`.
testing::AssertionResult sunlitItalianLine(const ShadowOracle& o, double n,
                                           const std::vector<DialXY>& points,
                                           const DialArea& area, double gap,
                                           double margin = 0.005);
testing::AssertionResult sunlitBabylonianLine(const ShadowOracle& o, double n,
                                              const std::vector<DialXY>& points,
                                              const DialArea& area, double gap,
                                              double margin = 0.005);

// The drawing is exactly the shadows of the suns that fall on the dial: every point is the
// shadow of one of them (compared as suns, to 1e-6 degrees), in its colour, above the horizon;
// and as many points are drawn as those suns cast in front of the plane, above the horizon and
// inside the area (a sun within 1e-7 degrees of the horizon, or a point within 1e-9 m of the
// area's edge, may go either way).
testing::AssertionResult drawsExactlyTheShadowsOf(const ShadowOracle& o, const DialArea& area,
                                                  const std::vector<ColouredPoint>& drawn,
                                                  const std::vector<ColouredSun>& suns);

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

// How far the points leave the sunlit curves of +-declination uncovered inside the area: the
// largest distance from a shadow of those days (every 0.05 degree of hour angle, cast by a sun
// at least minAltitudeDeg above the horizon, in front of the plane, at least `margin` inside the
// area) to the nearest point; 0 when no such shadow falls in the area, +infinity when one has
// no point within a few centimetres.
double largestGapAlongSunlitCurves(const ShadowOracle& o, double declinationDeg,
                                   const std::vector<DialXY>& points, const DialArea& area,
                                   double margin = 0.003, double minAltitudeDeg = 0.3);

// Whether no two of the points on the horizontal through the foot (y = 0, where a wall's
// declination lines end on the horizon) lie within a micrometre: each end is laid once. An end
// laid for a sun behind the wall falls on that of the opposite day's sun in front of it.
testing::AssertionResult eachHorizonEndOnce(std::vector<DialXY> points);

// The suns of one hour angle over the year (declinations -23.45 to 23.45 every 0.05 degree), and
// of one declination over a whole turn of the hour angle (every 0.05 degree).
std::vector<HourDecl> sunsOfHourAngle(double hourAngleDeg);
std::vector<HourDecl> sunsOfDeclination(double declinationDeg);

// Drawn points by cells of a grid, for the nearest of them to a place.
class PointGrid {
public:
    explicit PointGrid(double cell) : cell_(cell) {}
    void add(const DialXY& p) { cells_[key(p)].push_back(p); }
    // The nearest point within one cell around p; none for no point there.
    std::optional<DialXY> nearest(const DialXY& p) const;

private:
    std::pair<long, long> key(const DialXY& p) const;
    double cell_;
    std::map<std::pair<long, long>, std::vector<DialXY>> cells_;
};

// Whether a line is laid without gaps: every shadow of the suns that falls inside the area and
// is cast by a real sun (in front of the plane, above the horizon) lies within `step` of a drawn
// point. The failure message names `what` and the sun of the first shadow left uncovered;
// `checked`, when given, counts the shadows looked at.
testing::AssertionResult laidWithinTheStep(const ShadowOracle& o,
                                           const std::vector<HourDecl>& suns,
                                           const std::vector<DialXY>& points,
                                           const DialArea& area, double step,
                                           const std::string& what,
                                           std::size_t* checked = nullptr);

// The widest step between consecutive points of a straight line through a and b, taken in
// their order along it, where one of the two lies in the area: a line laid whole has none wider
// than the step it is laid with.
double widestStepAlongLine(std::vector<DialXY> points, DialXY a, DialXY b, const DialArea& area);

// How deep the point lies in the area: its distance from the nearest edge, negative outside. A
// mark (a label, a numeral, a glyph) goes with its point: well above 0 it is drawn, well below 0
// it is not.
double depthInArea(const DialArea& area, DialXY p);

// How far a line reaches into the area: the greatest distance inside it, from its nearest edge,
// of a point point(u), u = from..to by step; where none lies inside, minus the least by which one
// lies beyond an edge; -infinity for a line of no point. A numeral goes with a line that reaches
// in: well above 0 it is drawn, well below 0 it is not.
double reachIntoArea(const DialArea& area,
                     const std::function<std::optional<DialXY>(double u)>& point, double from,
                     double to, double step);

// The lowest altitude (degrees) of the suns that cast the points: near 0 where a curve is drawn
// up to the horizon; +infinity for no point.
double lowestSunAltitude(const ShadowOracle& o, const std::vector<DialXY>& points);

}  // namespace oracle
