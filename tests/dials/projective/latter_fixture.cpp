#include "latter_fixture.h"

#include <algorithm>
#include <cmath>

#include "dials/projective/latter_procedures.h"
#include "shell/run_dispatch.h"

namespace latterproj {

bool LatterDial::setUp() {
    shell::DriverTable table;
    table.RunProjectiveLatter = dials::projective::SetupProjectiveLatter;
    return runWith(table);
}

bool LatterDial::setUpWithCentre() {
    return setUp() && dials::projective::ComputeCentreProjLatter(ctx());
}

const std::vector<Plane>& planes() {
    static const std::vector<Plane> kPlanes = {
        {45, 0, 0},    {45, 30, 20},  {45, -30, 20}, {45, 0, 30},     {52, -25, 35},
        {40, 20, -25}, {45, 60, -40}, {30, 10, 60},  {60, -15, 80},   {10, 40, 0},
        {70, 20, -60}, {38, 75, -70}, {45, 90, 30},  {45, -90, -20},  {45, 120, 10},
        {50, -150, -30}, {45, 30, 20, 1},
        // facing south, reclined or inclined past the polar axis or past the vertical
        {45, 0, 50},   {45, 0, -60},  {45, 0, 100},  {60, 10, 135},   {45, -20, -95},
    };
    return kPlanes;
}

namespace {

double distanceToSegment(oracle::DialXY p, oracle::DialXY a, oracle::DialXY b) {
    const double dx = b.x - a.x, dy = b.y - a.y, dd = dx * dx + dy * dy;
    const double t = dd > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / dd, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

}  // namespace

testing::AssertionResult shows(const dialtest::Segment& drawn, oracle::DialXY a, oracle::DialXY b,
                               double tolerance) {
    const oracle::DialArea& area = dialtest::kPlotArea;
    std::vector<oracle::DialXY> inside = {a, b};
    for (const double t : {(area.left - a.x) / (b.x - a.x), (area.right - a.x) / (b.x - a.x),
                           (area.bottom - a.y) / (b.y - a.y), (area.top - a.y) / (b.y - a.y)})
        if (t >= 0 && t <= 1) inside.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    for (const oracle::DialXY& p : {drawn.a, drawn.b})
        if (!(distanceToSegment(p, a, b) <= tolerance))
            return testing::AssertionFailure() << "(" << p.x << ", " << p.y << ") off the segment";
    for (const oracle::DialXY& p : inside)
        if (p.x >= area.left - tolerance && p.x <= area.right + tolerance &&
            p.y >= area.bottom - tolerance && p.y <= area.top + tolerance &&
            !(distanceToSegment(p, drawn.a, drawn.b) <= tolerance))
            return testing::AssertionFailure() << "(" << p.x << ", " << p.y << ") not drawn";
    return testing::AssertionSuccess();
}

}  // namespace latterproj
