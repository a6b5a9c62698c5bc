#pragma once
// What the cylinder programmes' tests share: a cylinder as typed, its input boxes, a programme
// dial that keeps the cylinder for its oracle, and the check that drawn points lie on a curve.

#include <functional>
#include <limits>
#include <optional>
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
using dialtest::Segment;
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

// How far above the horizon a sun must stand to cast a shadow, degrees: a sun on the horizon
// (up to what the stored Pi leaves of an exact zero) casts none, and the horizon itself is no
// line of the sun.
inline constexpr double kOnTheHorizonDeg = 1e-6;

// Whether the tip's shadow reaches the abscissa u, or grazes the convex face there: a line ends
// on the generatrix its shadow grazes, where the programme and the oracle round apart.
bool reachesOrGrazes(const oracle::CylinderOracle& o, double u);

// Every point cast by a real sun: below the tip's level by more than a rounding (the sun above
// the horizon, not on it) and where the tip's shadow reaches or grazes.
testing::AssertionResult allCastByRealSuns(const oracle::CylinderOracle& o,
                                           const std::vector<oracle::DialXY>& points,
                                           const std::string& what);

// Every point of the cut of the hour plane of H (degrees, afternoon +) on the half the sun of H
// casts, or on the other half where a sun of H + 180 within the solstices and above the horizon
// casts it, never there when `otherHalfDrawn` (the two six o'clock lines); the point where the
// polar axis meets the surface belongs to both.
testing::AssertionResult onTheHourHalves(const oracle::CylinderOracle& o, double H,
                                         const std::vector<oracle::DialXY>& points,
                                         bool otherHalfDrawn);

// The hour angle of the substyle of the cylinder's wall (degrees, afternoon +), within a quarter
// turn of noon; on a wall facing due east or west, that of the sun in front of it.
double substyleHourAngle(const Cylinder& c, const oracle::Sky& sky);

// Every point of the Italian (italian) or Babylonian line of hour n the shadow of a sun of that
// hour: the line keeps its own half of the turned horizon, the other half holding the other
// family's hour of the same number. A point whose sun never rises or sets (near the poles of the
// sky, where the halves meet) is not judged.
testing::AssertionResult onItsOwnHalf(const oracle::CylinderOracle& o, double n, bool italian,
                                      const std::vector<oracle::DialXY>& points);

// Whether the point lies (within the tolerance) on the Italian (Babylonian) line of some hour n
// from first to first + 12, on the half of its own hour; where two lines cross, either will do.
testing::AssertionResult onSomeOwnHalf(const oracle::CylinderOracle& o, oracle::DialXY p,
                                       double first, bool italian, double tolerance);

// Every point within half a turn of the foot's generatrix: the development is the strip of one
// turn centred on it, in every programme.
testing::AssertionResult onTheStripAboutTheFoot(const oracle::CylinderOracle& o,
                                                const std::vector<oracle::DialXY>& points);

// Which points of the unrolled dial a programme can show.
using Shown = std::function<bool(oracle::DialXY)>;
// Everywhere, or within the plot area (`inset` inside its edges, 1 mm) and |u| < uLimit.
bool anywhere(oracle::DialXY);
Shown shownOn(const plot::PlotSurface& plot,
              double uLimit = std::numeric_limits<double>::infinity(), double inset = 1e-3);

// Which suns a programme can carry onto the cylinder: all, or only some (the projective one).
using Carried = std::function<bool(oracle::HourDecl)>;
bool everySun(oracle::HourDecl);

// How many of the suns stand above the horizon (by more than kOnTheHorizonDeg) and cast the
// tip's shadow on the dial where it is shown, among those the programme carries: whether a line
// has a part to draw.
std::size_t realShadowsOf(const oracle::CylinderOracle& o,
                          const std::vector<oracle::HourDecl>& suns, const Shown& shown,
                          const Carried& carried = everySun);
// The suns of a declination at the hour angles -180 to 179 by whole degrees, and the suns of an
// hour angle (afternoon +) at the declinations -23 to 23 by whole degrees.
std::vector<oracle::HourDecl> sunsOfDeclination(double declinationDeg);
std::vector<oracle::HourDecl> sunsOfHour(double hourAngleDeg);

// The suns of the Italian (italian) or Babylonian hour n at the declinations -23 to 23 by whole
// degrees, on the days the sun rises and sets.
std::vector<oracle::HourDecl> sunsOfItalianHour(const oracle::Sky& sky, double n, bool italian);

// A line drawn where its suns cast real shadows: nothing where none does anywhere
// (castAnywhere), some points where twenty or more do where the dial is shown (castShown).
void expectDrawnWhereCast(std::size_t drawn, std::size_t castAnywhere, std::size_t castShown,
                          const std::string& what);
// The second half of it alone, for a line that runs on beyond the year's suns (as an hour line
// does): some points where twenty or more of them cast shadows where the dial is shown.
void expectDrawnWhereShown(std::size_t drawn, std::size_t castShown, const std::string& what);

// The shadows of the year's suns on the meridian (declinations within +-23.45 degrees, above
// the horizon; at noon and, beyond the polar circle, at midnight) on the dial: for each noon
// generatrix, its developed abscissa and their heights; the generatrix of the noon sun south of
// the zenith first.
struct NoonShadows {
    double x;
    std::vector<double> heights;
};
std::vector<NoonShadows> noonShadows(const oracle::CylinderOracle& o);

// The drawing's dark red lines are the noon generatrices, one at the abscissa of each group of
// noonShadows with shadows inside the plot area: every such shadow lies on its line, and the
// line runs from the highest of them (or the area's top edge, where shadows fall above it) to the
// lowest (or the area's bottom edge); `primary`, the abscissa the programme keeps, is that of the
// first group.
void expectNoonGeneratrices(const oracle::CylinderOracle& o, const Drawing& d, double primary,
                            const plot::PlotSurface& plot);

// The same against the shadows and the line of one generatrix: every shadow of `heights` within
// the area's heights [bottom, top] lies on the segment, which ends at the highest and the lowest
// of them or at the edge beyond which they go on.
void expectNoonLineOverItsShadows(const Segment& line, const std::vector<double>& heights,
                                  double bottom, double top);

// Whether the line is laid without gaps: every shadow of the suns cast by a real sun where the
// dial is shown (and the programme carries it) lies within `step` of a drawn point of the line.
// Counts in `checked` how many shadows were looked at.
testing::AssertionResult laidWithinTheStep(const oracle::CylinderOracle& o,
                                           const std::vector<oracle::HourDecl>& suns,
                                           const std::vector<oracle::DialXY>& points,
                                           const Shown& shown, const Carried& carried,
                                           double step, const std::string& what,
                                           std::size_t* checked = nullptr);

// Whether the drawn points are, in order, the shadows of an analemma laid without gaps:
// shadowOn(T) the shadow of the day T (none where its ray misses the dial), onDial whether the
// dial shows a shadow (a real sun casts it where the plot shows it), the programme's series the
// days from..to by `step`. Every day of the series whose shadow the dial shows is drawn, every
// point drawn between two of them is the shadow of a day between them, each within the
// tolerance; and every shadow the dial shows, on days a twentieth of the step apart, lies within
// `spacing` of a drawn point.
using AnalemmaShadow = std::function<std::optional<oracle::DialXY>(double day)>;
testing::AssertionResult drawsTheAnalemma(const std::vector<oracle::DialXY>& drawn,
                                          const AnalemmaShadow& shadowOn, const Shown& onDial,
                                          double from, double to, double step, double tolerance,
                                          double spacing);

// The least distance from p to the shadows shadowOn(T) of the parameters from..to: a scan by
// hundredths (at least 64 steps), then a golden-section search about the nearest, and the end of
// the shadows beside it where they end there.
double nearestShadow(const AnalemmaShadow& shadowOn, oracle::DialXY p, double from, double to);

// Every point within the tolerance of its curve, measured by `distance` in unrolled metres; the
// message names `what`, counts the misses and shows the worst.
testing::AssertionResult allWithin(const std::vector<oracle::DialXY>& points,
                                   const std::function<double(oracle::DialXY)>& distance,
                                   const std::string& what, double tolerance);

}  // namespace cyltest
