#include "light_graph_fixture.h"

#include "dials/vertical2d/light_graph_procedures.h"
#include "shell/helpers.h"
#include "shell/options.h"
#include "shell/run_dispatch.h"

namespace lighttest {

plot::Colour colourOf(int index) {
    return shell::LineColor(shell::clsOptions{}, static_cast<numeric::palette::Index>(index));
}

LightDial::LightDial(const Wall& wall, const Settings& settings)
    : ProgrammeDial("M_Light", dialtest::typedWall(wall), settings), wall_(wall) {}

bool LightDial::setUp() {
    shell::DriverTable table;
    table.RunLightGraphDial = [](shell::Context& c) {
        dials::vertical2d::ReadInputsLightGraph(c);
        dials::vertical2d::SetupLightGraph(c);
    };
    return runWith(table);
}

oracle::ShadowOracle LightDial::oracle() const {
    return oracle::ShadowOracle(wall_.lat, wall_.decl, 0, wall_.style);
}

Settings only(const std::vector<std::string>& boxes) {
    Settings settings;
    for (const char* box :
         {"chkOreAstronomiche", "ck_DayLightCurves", "ckTemp", "ck_Lemniscate", "ck_Equinoziale",
          "ck_Sustilare", "ck_Triangolo", "ck_orizzonte", "ck_Italiche", "ck_babiloniche",
          "ck_Asintoti", "ck_Etna"})
        settings.emplace_back(box, "0");
    for (const std::string& box : boxes) settings.emplace_back(box, "1");
    return settings;
}

}  // namespace lighttest
