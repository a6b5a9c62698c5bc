#include "parabolic_fixture.h"

#include <cctype>
#include <cmath>
#include <sstream>

#include "dials/driver_table.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"

namespace paratest {

std::string cylinderName(const testing::TestParamInfo<Cylinder>& info) {
    const Cylinder& c = info.param;
    std::string s = std::string(c.convex ? "convex" : "concave") + "_lat" +
                    dialtest::number(c.lat) + "_decl" + dialtest::number(c.decl);
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

plot::Colour colourOf(int index) { return shell::LineColor(shell::clsOptions{}, index); }

Settings only(const std::vector<std::string>& boxes) {
    Settings settings;
    for (const char* box :
         {"chkOreAstronomiche", "ck_DayLightCurves", "ck_Lemniscate", "ck_Equinoziale",
          "ck_Sustilare", "ck_Triangolo", "ck_orizzonte", "ck_Italiche", "ck_babiloniche",
          "Ck_Section", "ck_Etna"})
        settings.emplace_back(box, "0");
    for (const std::string& box : boxes) settings.emplace_back(box, "1");
    return settings;
}

namespace {

Settings typed(const Cylinder& c) {
    return {{"txtLAT", dialtest::number(c.lat)},
            {"txtDecl", dialtest::number(c.decl)},
            {"txtRadius", dialtest::number(c.radius)},
            {"txtStilo", dialtest::number(c.style)},
            {c.convex ? "Option3D2" : "Option3D1", "1"}};
}

}  // namespace

ParabolicDial::ParabolicDial(const Cylinder& c, const Settings& settings)
    : ProgrammeDial("M_Parabolico", typed(c), settings), cylinder_(c) {}

bool ParabolicDial::setUp() {
    shell::DriverTable table;
    table.RunCylParabolic3D = [this](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        frame_ = dials::cylindrical::SetupParabolicDial(ctx);
    };
    return runWith(table);
}

Drawing ParabolicDial::drawSection(Section section) {
    return draw([&](shell::Context& ctx) { section(ctx, frame_); });
}

oracle::ParabolicOracle ParabolicDial::oracle() const {
    return oracle::ParabolicOracle(cylinder_.lat, cylinder_.decl, cylinder_.convex,
                                   cylinder_.radius, cylinder_.style);
}

testing::AssertionResult allWithin(const std::vector<oracle::DialXY>& points,
                                   const std::function<double(oracle::DialXY)>& distance,
                                   const std::string& what, double tolerance) {
    std::size_t misses = 0;
    double worst = 0;
    oracle::DialXY worstAt;
    for (const oracle::DialXY& p : points) {
        const double e = distance(p);
        if (!(e <= tolerance)) {
            ++misses;
            if (!(e <= worst)) {
                worst = e;
                worstAt = p;
            }
        }
    }
    if (misses == 0) return testing::AssertionSuccess();
    std::ostringstream out;
    out << what << ": " << misses << " of " << points.size() << " points off the curve, worst "
        << worst << " m at (" << worstAt.x << ", " << worstAt.y << ")";
    return testing::AssertionFailure() << out.str();
}

}  // namespace paratest
