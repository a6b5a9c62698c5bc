#pragma once
// The latter projective programme set up in-process as Run sets it up, whose procedures can then
// be called one by one and checked against the shadow oracle of the plane as typed.

#include <ostream>
#include <string>
#include <vector>

#include "support/dial_fixture.h"
#include "support/shadow_oracle.h"

namespace latterproj {

// Latitude, declination (west +) and reclination (+ reclining) in degrees, style in metres.
struct Plane {
    double lat, decl, recl, style = 0.1;
};

std::string describe(const Plane& p);
inline void PrintTo(const Plane& p, std::ostream* out) { *out << describe(p); }
dialtest::Settings typedPlane(const Plane& p);

class LatterDial : public dialtest::ProgrammeDial {
public:
    explicit LatterDial(const Plane& plane, const dialtest::Settings& extra = {})
        : ProgrammeDial("M_nProiettivo", typedPlane(plane), extra), plane_(plane) {}

    // Run with the set-up standing for the driver (the signs set by Run, then the inputs read);
    // with the centre too, false when the dial has none.
    bool setUp();
    bool setUpWithCentre();
    oracle::ShadowOracle oracle() const;

private:
    Plane plane_;
};

// Vertical, reclining and inclining planes facing south, east, west and north of east or west.
const std::vector<Plane>& planes();

}  // namespace latterproj
