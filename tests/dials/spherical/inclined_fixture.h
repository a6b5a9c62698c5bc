#pragma once
// The declining-reclining dial by spherical trigonometry set up in-process as Run sets it up,
// and the physical plane its inputs describe, for the shadow oracle.

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "drawn_shadows.h"
#include "support/dial_fixture.h"
#include "support/oracle_checks.h"
#include "support/shadow_oracle.h"

namespace inclinedtest {

// The inputs as typed (dialtest::Plane): in the south the reclination is typed with the opposite
// sign, a horizontal dial -90.
using dialtest::describe;
using dialtest::Drawing;
using dialtest::kPi;
using dialtest::Plane;
using numeric::qbColor;

// The programme chosen with the plane typed, then the extra settings applied.
class InclinedDial : public dialtest::PlaneDial {
public:
    explicit InclinedDial(const Plane& plane, const dialtest::Settings& extra = {});

    // Run with the set-up standing for the driver: the signs set by Run, the inputs read.
    bool setUp();

    // The physical plane (hides the plane as typed): in the north as typed; in the south the face turned to the equator,
    // its declination counted from the north and its reclination with the sign inverted (the
    // programme draws the other face of the typed plane, reflected through the foot); a
    // horizontal plane (typed +90 or -90) faces up, x east and y north in the north, turned
    // half round in the south (x west, y south), as every southern plane is drawn.
    oracle::ShadowOracle oracle() const;
    // The oracle's hour angle (degrees, afternoon +) of the programme's hour angle (radians):
    // the reflection of the southern points turns it into its opposite.
    double oracleHour(double programmeRad) const;
};

// Northern and southern planes: vertical, declining, reclining, inclining, horizontal, turned
// towards the pole.
const std::vector<Plane>& planes();
// Planes turned past the vertical towards the sky, north and south, and one typed the other way
// round (45/180/80 is 45/0/100 seen from its other axes).
const std::vector<Plane>& pastTheVertical();
// Horizontal planes typed with the other sign of 90 than the hemisphere's (-90 in the north,
// +90 in the south), and with a declination typed: the same dial facing the sky.
const std::vector<Plane>& otherSignHorizontals();

// Every drawn point on the half of the hour line that the sun of its tag (a programme hour
// angle in radians) traces, the sun above the horizon.
testing::AssertionResult allOnTaggedHourLines(const InclinedDial& dial,
                                              const dialtest::Drawing& d);

// The hour lines of the programme's hour angles H (degrees, each in the colour colour(H) gives)
// swept over the declinations between the solstices by `step`, and the line of one declination
// (degrees) swept over the programme's hour angles from..to by `step`, in the oracle's terms.
std::vector<sphtest::SweptLine> hourLinesOf(const InclinedDial& dial,
                                            const numeric::StepRange& hours, double step,
                                            const std::function<int(double H)>& colour);
std::vector<sphtest::SweptLine> dayLinesOf(const InclinedDial& dial, double declination,
                                           double from, double to, double step, int colour);
// The drawing lays those lines whole on the shadows of their suns that fall on the dial inside
// the plot area (sphtest::laysTheLinesWhole, at the flat dials' line step), none cast by a sun
// on the horizon.
testing::AssertionResult laysTheLinesWhole(InclinedDial& dial, const dialtest::Drawing& d,
                                           const std::vector<sphtest::SweptLine>& lines);

}  // namespace inclinedtest
