#include "flat3d_fixture.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <stdexcept>

#include "dials/driver_table.h"
#include "dials/flat3d/procedures.h"
#include "shell/programme_menu.h"
#include "shell/run_dispatch.h"

namespace flat3dtest {

namespace {

std::string text(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

}  // namespace

std::string describe(const Place& p, Variable v) {
    return "lat " + text(p.lat) + ", decl " + text(p.decl) + ", recl " + text(p.recl) +
           ", style " + text(p.style) + (v == Variable::X ? ", variable X" : ", variable Y");
}

void PrintTo(const PlaneCase& c, std::ostream* out) { *out << describe(c.place, c.variable); }

std::vector<oracle::DialXY> Drawing::at() const {
    std::vector<oracle::DialXY> out;
    for (const DrawnPoint& p : points) out.push_back(p.at);
    return out;
}

std::vector<oracle::DialXY> Drawing::withColour(plot::Colour colour) const {
    std::vector<oracle::DialXY> out;
    for (const DrawnPoint& p : points)
        if (p.colour == colour) out.push_back(p.at);
    return out;
}

std::map<double, std::vector<oracle::DialXY>> Drawing::byTag() const {
    std::map<double, std::vector<oracle::DialXY>> out;
    for (const DrawnPoint& p : points) out[p.tag].push_back(p.at);
    return out;
}

Flat3dDial::Flat3dDial(const Place& place, Variable variable,
                       const std::vector<std::pair<std::string, std::string>>& settings)
    : place_(place), variable_(variable), system_(device_) {
    rundial::applySetting(system_.inputs, "txtLAT", text(place.lat));
    rundial::applySetting(system_.inputs, "txtDecl", text(place.decl));
    rundial::applySetting(system_.inputs, "txtReclinZ", text(place.recl));
    rundial::applySetting(system_.inputs, "txtStilo", text(place.style));
    rundial::applySetting(system_.inputs, variable == Variable::X ? "option3D4" : "option3D5",
                          "1");
    shell::chooseProgramme(system_.inputs, "M_Inclinati");
    for (const auto& [control, value] : settings)
        rundial::applySetting(system_.inputs, control, value);
    device_.tag = [this] { return system_.m.HourAngleRad; };
}

bool Flat3dDial::setUp() {
    shell::DriverTable table;
    table.RunInclinedDialVarX = dials::flat3d::SetupInclinedDialVarX;
    table.RunInclinedDialVarY = dials::flat3d::SetupInclinedDialVarY;
    return shell::Command1_Click(ctx(), table);
}

bool Flat3dDial::run() { return shell::Command1_Click(ctx(), dials::allDrivers()); }

Drawing Flat3dDial::draw(const std::function<void(shell::Context&)>& procedure) {
    const plot::DisplayList& list = system_.surface().displayList();
    const std::size_t firstPoint = list.points.size();
    const std::size_t firstLine = list.lines.size();
    const std::size_t firstTag = device_.tags.size();
    procedure(ctx());

    Drawing d;
    // Every recorded point was painted once, in the same order.
    const std::size_t painted = device_.tags.size() - firstTag;
    const std::size_t recorded = list.points.size() - firstPoint;
    if (painted != recorded) throw std::logic_error("painted and recorded points differ");
    for (std::size_t i = 0; i < recorded; ++i) {
        const plot::PointRecord& r = list.points[firstPoint + i];
        d.points.push_back({{r.x, -r.y}, r.Color, device_.tags[firstTag + i]});
    }
    d.lines.assign(list.lines.begin() + static_cast<std::ptrdiff_t>(firstLine), list.lines.end());
    return d;
}

oracle::ShadowOracle Flat3dDial::oracle() const {
    const bool horizontal = std::fabs(place_.recl) == 90;
    const double decl = horizontal ? 0 : place_.decl;
    if (place_.lat >= 0) return oracle::ShadowOracle(place_.lat, decl, place_.recl, place_.style);
    return oracle::ShadowOracle(place_.lat, 180 - decl, -place_.recl, place_.style);
}

double Flat3dDial::oracleHourAngle(double programmeRad) const {
    const double degrees = programmeRad * 180 / oracle::kStoredPi;
    return place_.lat >= 0 ? -degrees : degrees;
}

}  // namespace flat3dtest
