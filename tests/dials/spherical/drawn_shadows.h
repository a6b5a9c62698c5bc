#pragma once
// What the spherical programmes drew, in the terms of the oracle's shadow checks: the drawn
// points with their colours, and the plot area they could be drawn in, in dial coordinates.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "support/dial_fixture.h"
#include "support/oracle_checks.h"
#include "support/shadow_oracle.h"

namespace sphtest {

std::vector<oracle::ColouredPoint> colouredPoints(const dialtest::Drawing& d);

// The points of b are those of a reflected in the vertical through the foot (x -> -x), each
// within `tolerance` metres, in the same colour when `sameColours`; at most `slack` points of
// either drawing may have no partner (a shadow on the horizon or on the plot's edge).
testing::AssertionResult mirrorImages(const dialtest::Drawing& a, const dialtest::Drawing& b,
                                      bool sameColours, double tolerance, std::size_t slack);

// One line of a dial as the programme sweeps it, in the oracle's terms: the sun of the parameter
// u (none where the line has no sun), the sweep from..to by step, how a sun of the line gives
// back its parameter (none: found by a search along the line, for a curve such as the
// analemma whose suns share declinations), and the line's colour.
struct SweptLine {
    std::function<std::optional<oracle::HourDecl>(double u)> sunAt;
    double from, to, step;
    std::function<double(const oracle::HourDecl&)> paramOf;
    std::int32_t colour;
};
// The parameter read back from a sun: its declination, or its hour angle (with `sign` -1 for a
// programme that counts the hour angle the other way, as the reflected southern points do).
std::function<double(const oracle::HourDecl&)> byDeclination();
std::function<double(const oracle::HourDecl&)> byHourAngle(double sign = 1);

// The drawing lays the lines whole, as the shared curve sampler does:
// - every point is the shadow of a sun of a line of its colour within the sweep (a shadow of
//   the line's suns about the parameter read back from the point's sun lies within 1e-7 m of
//   it), cast by a sun above the horizon;
// - every sun of the sweeps whose shadow falls in front of the dial, above the horizon (by
//   1e-7 degrees) and inside the area (by 1e-9 m) is drawn at its shadow: every point of the
//   sweep is kept;
// - the line is laid without gaps: every shadow of its suns at a twentieth of the step, cast
//   by a sun more than 0.01 degree above the horizon in front of the dial, inside the area,
//   lies within `spacing` of a drawn point of its colour.
testing::AssertionResult laysTheLinesWhole(const oracle::ShadowOracle& o,
                                           const oracle::DialArea& area,
                                           const std::vector<oracle::ColouredPoint>& drawn,
                                           const std::vector<SweptLine>& lines,
                                           double spacing);

}  // namespace sphtest
