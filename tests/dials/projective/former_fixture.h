#pragma once
// The former projective programme set up in-process as Run sets it up, whose procedures can
// then be called one by one, and the shadow oracle of the same plane (the programme takes the
// inputs as the oracle does). Hour angles of the programme count positive towards the morning.

#include <string>

#include "dials/projective/former_procedures.h"
#include "shell/run_dispatch.h"
#include "support/dial_fixture.h"
#include "support/rundial_lib.h"
#include "support/shadow_oracle.h"

namespace formertest {

// Latitude, declination (west +) and reclination (+ reclining) in degrees; style in metres.
struct Plane {
    double lat, decl, recl, style = 0.1;
};

inline std::string describe(const Plane& p) {
    using rundial::number;
    return "lat " + number(p.lat) + ", decl " + number(p.decl) + ", recl " + number(p.recl) +
           ", style " + number(p.style);
}
inline void PrintTo(const Plane& p, std::ostream* out) { *out << describe(p); }

inline dialtest::Settings typedPlane(const Plane& p) {
    using rundial::number;
    return {{"txtLAT", number(p.lat)}, {"txtDecl", number(p.decl)},
            {"txtReclinZ", number(p.recl)}, {"txtStilo", number(p.style)}};
}

class FormerDial : public dialtest::ProgrammeDial {
public:
    explicit FormerDial(const Plane& plane, const dialtest::Settings& extra = {})
        : ProgrammeDial("M_Proiettivo", typedPlane(plane), extra), plane_(plane) {}

    // Run with the set-up and the construction standing for the driver.
    bool setUp() {
        shell::DriverTable table;
        table.RunProjectiveFormer = [](shell::Context& ctx) {
            dials::projective::SetupProjectiveFormer(ctx);
            dials::projective::DrawGnomonProjFormer(ctx);
        };
        return runWith(table);
    }
    oracle::ShadowOracle oracle() const {
        return oracle::ShadowOracle(plane_.lat, plane_.decl, plane_.recl, plane_.style);
    }

private:
    Plane plane_;
};

}  // namespace formertest
