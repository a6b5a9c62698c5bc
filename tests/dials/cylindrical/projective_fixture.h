#pragma once
// The circular cylinder by the projective method set up in-process as Run sets it up (the signs,
// the input reader, the side and the tangent plane's dial), whose procedures can then be called
// one by one and checked against the cylinder oracle.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cylinder_oracle.h"
#include "support/dial_fixture.h"

namespace cylprojtest {

using dialtest::Drawing;
using dialtest::Settings;

// A cylinder as typed: latitude and wall declination (west +) in degrees, radius and style in
// metres.
struct Cylinder {
    double lat;
    double decl;
    bool convex;
    double radius = 0.3;
    double style = 0.1;
};
std::string describe(const Cylinder& c);
inline void PrintTo(const Cylinder& c, std::ostream* out) { *out << describe(c); }

// The place, wall, radius, style and side as typed, every feature box unticked.
Settings typedCylinder(const Cylinder& c);

// The colour drawn for a palette index with the design-time options.
plot::Colour colourOf(int index);

class ProjectiveCylinder : public dialtest::ProgrammeDial {
public:
    explicit ProjectiveCylinder(const Cylinder& c, const Settings& extra = {});
    // Run with the set-up standing for the driver; returns what Run returned.
    bool setUp();
    oracle::CylinderOracle oracle() const;
    const Cylinder& cylinder() const { return cylinder_; }

private:
    Cylinder cylinder_;
};

// Concave and convex cylinders on walls facing south, east and west of it, past east and west,
// and north; one concave style reaching past the axis.
const std::vector<Cylinder>& cylinders();

// Every point within the tolerance of the project (1e-5 of the style) of its curve, measured by
// `distance` in unrolled metres; the message names `what`, counts the misses and shows the worst.
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
