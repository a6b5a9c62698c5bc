#pragma once
// A flat 3D dial set up in-process as Run sets it up (see support/dial_fixture.h), checked against
// the shadow oracle of the physical plane its inputs describe.

#include <ostream>
#include <string>

#include "support/dial_fixture.h"
#include "support/shadow_oracle.h"

namespace flat3dtest {

using dialtest::Drawing;
using dialtest::DrawnPoint;
using dialtest::Settings;

enum class Variable { X, Y };

// The inputs as typed: latitude, declination and reclination in degrees, style in metres.
struct Place {
    double lat;
    double decl;
    double recl;
    double style = 0.1;
};

std::string describe(const Place& p, Variable v);

// One plane of a table of cases.
struct PlaneCase {
    Place place;
    Variable variable;
};

void PrintTo(const PlaneCase& c, std::ostream* out);

// Points are tagged with the hour angle being drawn unless a test tags them otherwise.
class Flat3dDial : public dialtest::ProgrammeDial {
public:
    // Types the place and chooses the programme and its free variable, then the settings.
    Flat3dDial(const Place& place, Variable variable, const Settings& settings = {});

    // Run with this variable's set-up standing for its driver: the signs set by Run, then the
    // inputs read. Returns what Run returned.
    bool setUp();

    using Procedure = void (*)(shell::Context&);
    using ProgrammeDial::draw;
    // What the procedure of this dial's variable draws, of a pair for X and Y.
    Drawing draw(Procedure x, Procedure y) { return draw(variable_ == Variable::X ? x : y); }
    // Calls the procedure of this dial's variable.
    void call(Procedure x, Procedure y) { (variable_ == Variable::X ? x : y)(ctx()); }

    // The physical plane of the inputs: in the southern hemisphere the programme takes the
    // declination from the north (the face turned to the equator, west positive) and the
    // reclination with its sign inverted; a horizontal plane has no declination of its own, and
    // a typed +-90 is the horizontal plane facing up in either hemisphere.
    oracle::ShadowOracle oracle() const;
    // The oracle's hour angle (degrees, afternoon positive) of a line the programme draws at
    // hour angle H (radians, east positive).
    double oracleHourAngle(double programmeRad) const;

private:
    Place place_;
    Variable variable_;
};

}  // namespace flat3dtest
