// The equivalent vertical dial the list gives for a plane: its latitude f1, declination d1 and
// longitude lambda, typed as the list says (reclination 0, standard meridian time of zone 0,
// the longitude lambda), make the same programme draw the plane's hour lines. Each hour drawn by
// both runs lies on one straight line; where the two places' horizons differ, one run may draw
// a stretch the other does not, and an hour may be drawn by one of them only.

#include <algorithm>
#include <cmath>
#include <utility>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "shell/technical_data.h"
#include "support/dial_fixture.h"

namespace shelldata {
namespace {

using dialtest::Plane;
using oracle::DialXY;

// Only the hour lines, each point tagged with its hour.
const dialtest::Settings kHourLinesOnly = {
    {"ck_DayLightCurves", "0"}, {"ck_Equinoziale", "0"}, {"ck_Sustilare", "0"}};

using HourLines = std::map<double, std::vector<DialXY>>;

// Runs the flat 3D programme with the settings (variable Y where variable X refuses the plane)
// and returns its hour lines; `data` receives the list's lines when asked for.
HourLines hourLines(const dialtest::Settings& typed, std::vector<std::string>* data = nullptr) {
    for (const char* variable : {"option3D4", "option3D5"}) {
        dialtest::ProgrammeDial dial("M_Inclinati", typed, kHourLinesOnly);
        dial.set(variable, "1");
        // South of the equator the programme counts its hours the other way round.
        const shell::Module1& m = dial.m();
        dial.device().tag = [&m] { return m.HemisphereSign * m.HourLoop; };
        if (!dial.run()) continue;
        HourLines lines;
        for (const dialtest::DrawnPoint& p : dial.drawing().points)
            if (p.colour == dialtest::colourOf(7) || p.colour == dialtest::colourOf(9) ||
                p.colour == dialtest::colourOf(12))
                lines[p.tag].push_back(p.at);
        if (data) {
            shell::cmdData_Click(dial.ctx());
            for (const auto& text : dial.surface().displayList().texts) data->push_back(text.text);
        }
        return lines;
    }
    return {};
}

// The value written after `label` in the list, "" when no line has it.
std::string valueOf(const std::vector<std::string>& data, const std::string& label) {
    for (const auto& line : data)
        if (line.rfind(label, 0) == 0) {
            std::string value = line.substr(label.size());
            while (!value.empty() && value.back() == ' ') value.pop_back();
            return value;
        }
    return "";
}

// The greatest distance of a point of `a` from the line through the two farthest points of
// `b` of the same hour, over the hours both draw with a few points; `common` counts them.
double farthestOff(const HourLines& a, const HourLines& b, int& common) {
    double worst = 0;
    common = 0;
    for (const auto& [hour, points] : a) {
        const auto other = b.find(hour);
        if (other == b.end() || other->second.size() < 5 || points.size() < 5) continue;
        const DialXY p = other->second.front(), q = other->second.back();
        if (oracle::distance(p, q) < 0.05) continue;
        ++common;
        for (const DialXY& point : points)
            worst = std::max(worst, oracle::distanceToLine(point, p, q));
    }
    return worst;
}

TEST(EquivalentVerticalDial, RedrawsThePlanesHourLines) {
    // Both hemispheres and the pole; planes reclined and inclined, beyond the vertical too, whose
    // equivalent place lies north, south, across the pole, on the equator (the planes parallel
    // to the equator, facing up and down) or at the pole (the polar planes facing due south or
    // north whose line of greatest slope runs up the axis).
    std::vector<Plane> planes;
    for (double lat : {45.0, -45.0, 20.189596, -20.189596, 70.0, -70.0, 90.0}) {
        const double a = std::fabs(lat);
        for (const auto& [decl, recl] : {std::pair{30.0, 20.0}, {180.0, 20.0}, {-180.0, -20.0},
                                        {30.0, -60.0}, {-150.0, 60.0}, {0.0, 60.0},
                                        {180.0, a}, {0.0, -a}, {0.0, 90 - a}, {180.0, a - 90}})
            planes.push_back({lat, decl, recl, 0.1});
    }
    int compared = 0;
    for (const Plane& plane : planes) {
        SCOPED_TRACE(dialtest::describe(plane));
        std::vector<std::string> data;
        const HourLines drawn = hourLines(dialtest::typedPlane(plane), &data);
        if (drawn.empty()) continue;
        const std::string f1 = valueOf(data, "latitude f1 =  ");
        const std::string d1 = valueOf(data, "declination d1 =  ");
        const std::string lambda = valueOf(data, "longitude lambda =  ");
        if (lambda.empty()) continue;
        const HourLines vertical =
            hourLines({{"txtLAT", f1}, {"txtDecl", d1}, {"txtReclinZ", "0"}, {"txtLON", lambda},
                       {"ck_Etna", "1"}, {"TxtFuso", "0"}, {"txtStilo", "0.1"}});
        SCOPED_TRACE("vertical " + f1 + " " + d1 + " " + lambda);
        int common = 0;
        EXPECT_LT(farthestOff(drawn, vertical, common), 1e-5);
        EXPECT_LT(farthestOff(vertical, drawn, common), 1e-5);
        EXPECT_GE(common, 2);
        ++compared;
    }
    EXPECT_GE(compared, 50);
}

}  // namespace
}  // namespace shelldata
