#include "vertical2d_fixture.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "dials/driver_table.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "shell/programme_menu.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace vert2dtest {

namespace {

std::string text(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

}  // namespace

std::string describe(const Wall& w) {
    return "lat " + text(w.lat) + ", decl " + text(w.decl) + ", style " + text(w.style);
}

std::vector<oracle::DialXY> Drawing::withColour(plot::Colour colour) const {
    std::vector<oracle::DialXY> out;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (pointColours[i] == colour) out.push_back(points[i]);
    return out;
}

std::vector<Segment> Drawing::segmentsWithColour(plot::Colour colour) const {
    std::vector<Segment> out;
    for (const Segment& s : segments)
        if (s.colour == colour) out.push_back(s);
    return out;
}

double distanceToLine(const oracle::DialXY& p, const Segment& s) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    return std::fabs((p.x - s.a.x) * dy - (p.y - s.a.y) * dx) / std::hypot(dx, dy);
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

double toleranceFor(const Wall& w) {
    return std::fabs(w.lat) == 90 ? 5e-3 : oracle::toleranceFor(w.style);
}

Vert2dDial::Vert2dDial(const Wall& wall,
                       const std::vector<std::pair<std::string, std::string>>& settings)
    : wall_(wall), system_(device_) {
    rundial::applySetting(system_.inputs, "txtLAT", text(wall.lat));
    rundial::applySetting(system_.inputs, "txtDecl", text(wall.decl));
    rundial::applySetting(system_.inputs, "txtStilo", text(wall.style));
    shell::chooseProgramme(system_.inputs, "M_Frinter");
    for (const auto& [control, value] : settings)
        rundial::applySetting(system_.inputs, control, value);
}

bool Vert2dDial::setUp() {
    shell::DriverTable table;
    table.RunVertical2D = [](shell::Context& c) {
        shell::ReadPlaceAndWallInputs(c);
        dials::vertical2d::SetupVertical2D(c);
        dials::vertical2d::ComputeConicsVert2D(c);
    };
    return shell::Command1_Click(ctx(), table);
}

bool Vert2dDial::run() { return shell::Command1_Click(ctx(), dials::allDrivers()); }

Drawing Vert2dDial::draw(const std::function<void(shell::Context&)>& procedure) {
    const plot::DisplayList& list = system_.surface().displayList();
    const std::size_t firstPoint = list.points.size();
    const std::size_t firstLine = list.lines.size();
    procedure(ctx());
    Drawing d;
    for (std::size_t i = firstPoint; i < list.points.size(); ++i) {
        d.points.push_back({list.points[i].x, -list.points[i].y});
        d.pointColours.push_back(list.points[i].Color);
    }
    for (std::size_t i = firstLine; i < list.lines.size(); ++i) {
        const plot::LineRecord& r = list.lines[i];
        d.segments.push_back({{r.x1, -r.y1}, {r.x2, -r.Y2}, r.Color});
    }
    return d;
}

oracle::ShadowOracle Vert2dDial::oracle(double pi) const {
    // The programme takes the latitude of the pole just short of it.
    const double lat = std::fabs(wall_.lat) == 90 ? 89.9999 * (wall_.lat > 0 ? 1 : -1) : wall_.lat;
    if (wall_.lat >= 0) return oracle::ShadowOracle(lat, wall_.decl, 0, wall_.style, pi);
    return oracle::ShadowOracle(lat, 180 - wall_.decl, 0, wall_.style, pi);
}

}  // namespace vert2dtest
