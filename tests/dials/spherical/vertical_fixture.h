#pragma once
// The vertical dial by spherical trigonometry set up in-process as Run sets it up (see
// support/dial_fixture.h), checked against the shadow oracle of the physical wall: in the
// southern hemisphere the programme turns the declination typed from the north into the face's
// azimuth from the south, and that is what the oracle is given.

#include <vector>

#include <gtest/gtest.h>

#include "drawn_shadows.h"
#include "support/dial_fixture.h"
#include "support/oracle_checks.h"
#include "support/shadow_oracle.h"

namespace vsphtest {

using dialtest::Drawing;
using dialtest::DrawnPoint;
using dialtest::Settings;
using dialtest::Wall;

using dialtest::colourOf;
using dialtest::kPi;

class VertSphDial : public dialtest::ProgrammeDial {
public:
    explicit VertSphDial(const Wall& wall, const Settings& settings = {});
    // Run with the input reader standing for the driver. Returns what Run returned.
    bool setUp();
    oracle::ShadowOracle oracle();

private:
    Wall wall_;
};

// The drawing lays the lines whole on the shadows of their suns that fall on the wall inside the
// plot area (sphtest::laysTheLinesWhole, at the flat dials' line step), none cast by a sun on the
// horizon.
testing::AssertionResult laysTheLinesWhole(VertSphDial& dial, const Drawing& d,
                                           const std::vector<sphtest::SweptLine>& lines);

// Walls of both hemispheres, as typed.
const std::vector<Wall>& walls();

}  // namespace vsphtest
