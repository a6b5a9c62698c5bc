#pragma once
// What the spherical programmes drew, in the terms of the oracle's shadow checks: the drawn
// points with their colours, and the plot area they could be drawn in, in dial coordinates.

#include <vector>

#include <gtest/gtest.h>

#include "plot/plot_surface.h"
#include "support/dial_fixture.h"
#include "support/oracle_checks.h"

namespace sphtest {

oracle::DialArea plotArea(const plot::PlotSurface& plot);
std::vector<oracle::ColouredPoint> colouredPoints(const dialtest::Drawing& d);

// The points of b are those of a reflected in the vertical through the foot (x -> -x), each
// within `tolerance` metres, in the same colour when `sameColours`; at most `slack` points of
// either drawing may have no partner (a shadow on the horizon or on the plot's edge).
testing::AssertionResult mirrorImages(const dialtest::Drawing& a, const dialtest::Drawing& b,
                                      bool sameColours, double tolerance, std::size_t slack);

}  // namespace sphtest
