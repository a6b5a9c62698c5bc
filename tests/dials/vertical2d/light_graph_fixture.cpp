#include "light_graph_fixture.h"

#include <cstddef>
#include <cstdio>
#include <ostream>
#include <stdexcept>

#include "dials/driver_table.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "shell/helpers.h"
#include "shell/options.h"
#include "shell/programme_menu.h"
#include "shell/run_dispatch.h"

namespace lighttest {

namespace {

std::string text(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

const char* const kFeatureBoxes[] = {
    "chkOreAstronomiche", "ck_DayLightCurves", "ckTemp",       "ck_Lemniscate",
    "ck_Equinoziale",     "ck_Sustilare",      "ck_Triangolo", "ck_orizzonte",
    "ck_Italiche",        "ck_babiloniche",    "ck_Asintoti",  "ck_Etna"};

}  // namespace

std::string describe(const Wall& w) {
    return "lat " + text(w.lat) + ", decl " + text(w.decl) + ", style " + text(w.style);
}

void PrintTo(const Wall& w, std::ostream* out) { *out << describe(w); }

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

plot::Colour colourOf(int index) { return shell::LineColor(shell::clsOptions{}, index); }

LightDial::LightDial(const Wall& wall,
                     const std::vector<std::pair<std::string, std::string>>& settings)
    : wall_(wall), system_(device_) {
    rundial::applySetting(system_.inputs, "txtLAT", text(wall.lat));
    rundial::applySetting(system_.inputs, "txtDecl", text(wall.decl));
    rundial::applySetting(system_.inputs, "txtStilo", text(wall.style));
    shell::chooseProgramme(system_.inputs, "M_Light");
    for (const auto& [control, value] : settings)
        rundial::applySetting(system_.inputs, control, value);
}

void LightDial::tagWith(std::function<double(const shell::Module1&)> tag) {
    device_.tag = [this, tag] { return tag(system_.m); };
}

bool LightDial::setUp() {
    shell::DriverTable table;
    table.RunLightGraphDial = [](shell::Context& c) {
        dials::vertical2d::ReadInputsLightGraph(c);
        dials::vertical2d::SetupLightGraph(c);
    };
    return shell::Command1_Click(ctx(), table);
}

bool LightDial::run() { return shell::Command1_Click(ctx(), dials::allDrivers()); }

Drawing LightDial::draw(const std::function<void(shell::Context&)>& procedure) {
    const plot::DisplayList& list = system_.surface().displayList();
    const std::size_t firstPoint = list.points.size();
    const std::size_t firstLine = list.lines.size();
    const std::size_t firstTag = device_.tags.size();
    procedure(ctx());

    Drawing d;
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

oracle::ShadowOracle LightDial::oracle() const {
    return oracle::ShadowOracle(wall_.lat, wall_.decl, 0, wall_.style);
}

std::vector<std::pair<std::string, std::string>> only(const std::vector<std::string>& boxes) {
    std::vector<std::pair<std::string, std::string>> settings;
    for (const char* box : kFeatureBoxes) settings.emplace_back(box, "0");
    for (const std::string& box : boxes) settings.emplace_back(box, "1");
    return settings;
}

}  // namespace lighttest
