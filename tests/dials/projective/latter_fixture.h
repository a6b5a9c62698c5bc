#pragma once
// The latter projective programme set up in-process as Run sets it up, whose procedures can then
// be called one by one and checked against the shadow oracle of the plane as typed.

#include <vector>

#include "support/dial_fixture.h"

namespace latterproj {

using dialtest::describe;
using dialtest::kPi;
using dialtest::Plane;
using dialtest::typedPlane;

class LatterDial : public dialtest::PlaneDial {
public:
    explicit LatterDial(const Plane& plane, const dialtest::Settings& extra = {})
        : PlaneDial("M_nProiettivo", plane, extra) {}

    // Run with the set-up standing for the driver (the signs set by Run, then the inputs read);
    // with the centre too, false when the dial has none.
    bool setUp();
    bool setUpWithCentre();
};

// Vertical, reclining and inclining planes facing south, east, west and north of east or west,
// and turned past the polar axis or past the vertical.
const std::vector<Plane>& planes();

// The drawn segment shows the segment from a to b as the plot area shows it: it lies on it, and
// it covers every point of it inside the area (where the area cuts it, and its ends there).
testing::AssertionResult shows(const dialtest::Segment& drawn, oracle::DialXY a, oracle::DialXY b,
                               double tolerance);

}  // namespace latterproj
