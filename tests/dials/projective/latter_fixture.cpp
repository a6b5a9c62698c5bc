#include "latter_fixture.h"

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

}  // namespace latterproj
