#pragma once
// The circular cylinder by the projective method set up in-process as Run sets it up (the signs,
// the input reader, the side and the tangent plane's dial), whose procedures can then be called
// one by one and checked against the cylinder oracle.

#include <functional>
#include <string>
#include <vector>

#include "cylinder_fixture.h"

namespace cylprojtest {

using cyltest::colourOf;
using cyltest::Cylinder;
using cyltest::Drawing;
using cyltest::Settings;

// The place, wall, radius, style and side as typed, every feature box unticked, then `extra`.
Settings withBoxes(const Cylinder& c, const Settings& extra);

class ProjectiveCylinder : public cyltest::CylinderDial {
public:
    explicit ProjectiveCylinder(const Cylinder& c, const Settings& extra = {});
    // Run with the set-up standing for the driver; returns what Run returned.
    bool setUp();
};

// Concave and convex cylinders on walls facing south, east and west of it, past east and west,
// and north; concave styles reaching past the axis; the tropics; latitudes equal to the
// declination lines' of one programme or the other.
const std::vector<Cylinder>& cylinders();

// Every point within the tolerance of the project (1e-5 of the style) of its curve.
testing::AssertionResult allNear(const std::vector<oracle::DialXY>& points,
                                 const std::function<double(oracle::DialXY)>& distance,
                                 double styleLength, const std::string& what);

// The distance to the nearer of the curves of +declination and -declination (one colour carries
// both lines of a pair).
std::function<double(oracle::DialXY)> declinationPair(const oracle::CylinderOracle& o,
                                                      double declinationDeg);

// Every hour line of the counters -90 to 90 by 15 degrees (`toOracle` turns a counter into the
// oracle's hour angle) whose suns cast five or more real shadows where the dial is shown, of the
// suns the programme carries, has points among the drawing's tags; but true noon, which the noon
// generatrix draws.
void expectHourLinesWhereCast(const oracle::CylinderOracle& o, const Drawing& d,
                              const std::function<double(double)>& toOracle,
                              const cyltest::Shown& shown, const cyltest::Carried& carried);

// The suns the projective programme carries onto the cylinder: in front of the plane tangent
// along the foot's generatrix, their shadow on it within five radii of the foot (its sampling).
cyltest::Carried carriedByTangentPlane(const oracle::CylinderOracle& o);

// Every line laid without gaps: each shadow of its suns on the dial where the plot shows it
// (and the programme carries it) within the drawing step of a point of the line.
void expectLaidWithinTheStep(cyltest::CylinderDial& dial, const oracle::CylinderOracle& o,
                             const std::vector<oracle::HourDecl>& suns,
                             const std::vector<oracle::DialXY>& points,
                             const cyltest::Carried& carried, const std::string& what);

}  // namespace cylprojtest
