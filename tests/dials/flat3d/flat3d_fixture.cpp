#include "flat3d_fixture.h"

#include <cmath>

#include "dials/flat3d/procedures.h"
#include "shell/run_dispatch.h"

namespace flat3dtest {

using rundial::number;

std::string describe(const Place& p, Variable v) {
    return "lat " + number(p.lat) + ", decl " + number(p.decl) + ", recl " + number(p.recl) +
           ", style " + number(p.style) + (v == Variable::X ? ", variable X" : ", variable Y");
}

void PrintTo(const PlaneCase& c, std::ostream* out) { *out << describe(c.place, c.variable); }

Flat3dDial::Flat3dDial(const Place& place, Variable variable, const Settings& settings)
    : ProgrammeDial("M_Inclinati",
                    {{"txtLAT", number(place.lat)},
                     {"txtDecl", number(place.decl)},
                     {"txtReclinZ", number(place.recl)},
                     {"txtStilo", number(place.style)},
                     {variable == Variable::X ? "option3D4" : "option3D5", "1"}},
                    settings),
      place_(place),
      variable_(variable) {
    tagWith(&shell::Module1::HourAngleRad);
}

bool Flat3dDial::setUp() {
    shell::DriverTable table;
    table.RunInclinedDialVarX = dials::flat3d::SetupInclinedDialVarX;
    table.RunInclinedDialVarY = dials::flat3d::SetupInclinedDialVarY;
    return runWith(table);
}

oracle::ShadowOracle Flat3dDial::oracle() const {
    // A typed +-90 is the horizontal dial facing up in either hemisphere.
    const bool horizontal = std::fabs(place_.recl) == 90;
    const double decl = horizontal ? 0 : place_.decl;
    const double recl = horizontal ? (place_.lat >= 0 ? 90 : -90) : place_.recl;
    if (place_.lat >= 0) return oracle::ShadowOracle(place_.lat, decl, recl, place_.style);
    return oracle::ShadowOracle(place_.lat, 180 - decl, -recl, place_.style);
}

double Flat3dDial::oracleHourAngle(double programmeRad) const {
    const double degrees = programmeRad * 180 / oracle::kStoredPi;
    return place_.lat >= 0 ? -degrees : degrees;
}

}  // namespace flat3dtest
