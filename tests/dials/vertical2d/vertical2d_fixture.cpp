#include "vertical2d_fixture.h"

#include <cctype>
#include <cmath>

#include "dials/vertical2d/vertical2d_procedures.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace vert2dtest {

std::string wallName(const testing::TestParamInfo<Wall>& info) {
    std::string s = describe(info.param);
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return s;
}

double distanceToLine(const oracle::DialXY& p, const Segment& s) {
    return oracle::distanceToLine(p, s.a, s.b);
}

std::vector<oracle::DialXY> pointsInView(const Segment& s) {
    constexpr double kView = 5;  // metres: more than any plot area
    std::vector<oracle::DialXY> out;
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    if (dy != 0) {
        for (double y : {-1.0, 0.0, 1.0}) {
            const double x = s.a.x + (y - s.a.y) * (dx / dy);
            if (std::fabs(x) <= kView) out.push_back({x, y});
        }
    }
    if (out.size() < 2 && dx != 0) {
        out.clear();
        for (double x : {-3.0, 0.0, 3.0}) {
            const double y = s.a.y + (x - s.a.x) * (dy / dx);
            if (std::fabs(y) <= kView) out.push_back({x, y});
        }
    }
    if (out.size() < 2) out.clear();
    return out;
}

double chordInPlotArea(const oracle::ShadowOracle::DialLine& l) {
    double t0 = -HUGE_VAL, t1 = HUGE_VAL;
    const auto clip = [&](double from, double along, double low, double high) {
        if (along == 0) {
            if (from < low || from > high) t1 = -HUGE_VAL;
            return;
        }
        const double a = (low - from) / along, b = (high - from) / along;
        t0 = std::fmax(t0, std::fmin(a, b));
        t1 = std::fmin(t1, std::fmax(a, b));
    };
    const oracle::DialArea& area = dialtest::kPlotArea;
    clip(l.point.x, l.direction.x, area.left, area.right);
    clip(l.point.y, l.direction.y, area.bottom, area.top);
    return std::fmax(0, t1 - t0);
}

double toleranceFor(const Wall& w) {
    return oracle::toleranceFor(w.style);
}

Vert2dDial::Vert2dDial(const Wall& wall, const Settings& settings)
    : ProgrammeDial("M_Frinter", dialtest::typedWall(wall), settings), wall_(wall) {}

bool Vert2dDial::setUp() {
    shell::DriverTable table;
    table.RunVertical2D = [](shell::Context& c) {
        shell::ReadPlaceAndWallInputs(c);
        dials::vertical2d::SetupVertical2D(c);
    };
    return runWith(table);
}

oracle::ShadowOracle Vert2dDial::oracle(double pi) const {
    // The programme takes the latitude of the pole just short of it.
    const double lat = std::fabs(wall_.lat) == 90 ? 89.9999 * (wall_.lat > 0 ? 1 : -1) : wall_.lat;
    if (wall_.lat >= 0) return oracle::ShadowOracle(lat, wall_.decl, 0, wall_.style, pi);
    return oracle::ShadowOracle(lat, 180 - wall_.decl, 0, wall_.style, pi);
}

}  // namespace vert2dtest
