#pragma once
// A light graph set up in-process as Run sets it up (see support/dial_fixture.h), checked against
// the shadow oracle of the wall.

#include <string>
#include <vector>

#include "support/dial_fixture.h"
#include "support/shadow_oracle.h"

namespace lighttest {

using dialtest::Drawing;
using dialtest::DrawnPoint;
using dialtest::Settings;
using dialtest::Wall;

// The colour drawn for a palette index with the design-time options.
plot::Colour colourOf(int index);

class LightDial : public dialtest::ProgrammeDial {
public:
    // Types the wall and chooses the light graph, then the settings.
    explicit LightDial(const Wall& wall, const Settings& settings = {});

    // Run with the reader and the set-up standing for the driver. Returns what Run returned.
    bool setUp();

    oracle::ShadowOracle oracle() const;

private:
    Wall wall_;
};

// Every feature box of the light graph cleared, then the given ones ticked.
Settings only(const std::vector<std::string>& boxes);

}  // namespace lighttest
