// The declination lines of the flat dials cast only where the sun of a point stands above the
// horizon, by the sky's one rule.

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "dials/cone_sections.h"
#include "geometry/sky.h"
#include "plot/plot_surface.h"
#include "support/dial_fixture.h"
#include "support/recording_device.h"
#include "support/recording_services.h"

namespace {

constexpr double kPi = 3.14159265358979;

TEST(ConeSections, APointWhoseSunStandsOnTheHorizonIsNotCast) {
    // A south wall at 45 N whose tip stands 1e-12 m above the dial's row y = 0: the winter
    // lines cross that row where the sun rises and sets, its height a few 1e-11 of its
    // length, on the horizon by geometry::aboveHorizon. A row lower the sun is well up.
    testsupport::RecordingDevice screen;
    testsupport::RecordingServices services;
    plot::PlotSurface plot(screen, services);
    plot.setQuadranteH(1);
    plot.setQuadranteL(1);
    plot.setShiftX(0.5);
    plot.setShiftY(0.5);
    const dials::ConeFrame frame{
        {0, -0.1, 1e-12}, {1, 0, 0}, {0, 0, 1}, geometry::celestialPole(45 * kPi / 180)};
    const std::array<dials::ConeLinePair, 3> pairs{
        {{geometry::kSolsticeDeg, 1}, {20, 2}, {11.5, 3}}};
    dials::plotSunlitConeSections(plot, frame, pairs, kPi, dialtest::kLineStep);

    std::size_t onTheRow = 0, rowBelow = 0;
    for (const plot::PointRecord& p : plot.displayList().points) {
        // The plot holds (x, -y).
        if (p.y == 0) ++onTheRow;
        if (std::fabs(p.y - dialtest::kLineStep) < 1e-15) ++rowBelow;
        const geometry::Vec3 sun = frame.tip - (p.x * frame.axisX + -p.y * frame.axisY);
        EXPECT_TRUE(geometry::aboveHorizon(sun)) << p.x << ", " << p.y;
    }
    EXPECT_EQ(onTheRow, 0u);
    // Each winter line crosses the row below twice, east and west of the noon line.
    EXPECT_EQ(rowBelow, 6u);
}

}  // namespace
