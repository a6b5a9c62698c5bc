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
// and north; one concave style reaching past the axis.
const std::vector<Cylinder>& cylinders();

// Every point within the tolerance of the project (1e-5 of the style) of its curve.
testing::AssertionResult allNear(const std::vector<oracle::DialXY>& points,
                                 const std::function<double(oracle::DialXY)>& distance,
                                 double styleLength, const std::string& what);

// The distance to the nearer of the curves of +declination and -declination (one colour carries
// both lines of a pair).
std::function<double(oracle::DialXY)> declinationPair(const oracle::CylinderOracle& o,
                                                      double declinationDeg);

// The drawing is the full-height line of true noon at abscissa u in dark red, where the meridian
// plane through the tip cuts the cylinder: on a concave dial the cut north of the tip (the noon
// sun south of the zenith casts the shadow there), on a convex one the only cut the tip's shadow
// can reach. Nothing when the plane misses the section.
void expectNoonCut(const Cylinder& c, const oracle::CylinderOracle& o, const Drawing& d,
                   double u);

}  // namespace cylprojtest
