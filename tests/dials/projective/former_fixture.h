#pragma once
// The former projective programme set up in-process as Run sets it up, whose procedures can
// then be called one by one, and the shadow oracle of the same plane (the programme takes the
// inputs as the oracle does). Hour angles of the programme count positive towards the morning.

#include "dials/projective/former_procedures.h"
#include "shell/run_dispatch.h"
#include "support/dial_fixture.h"

namespace formertest {

using dialtest::describe;
using dialtest::kPi;
using dialtest::Plane;
using dialtest::typedPlane;

class FormerDial : public dialtest::PlaneDial {
public:
    explicit FormerDial(const Plane& plane, const dialtest::Settings& extra = {})
        : PlaneDial("M_Proiettivo", plane, extra) {}

    // Run with the set-up and the construction standing for the driver.
    bool setUp() {
        shell::DriverTable table;
        table.RunProjectiveFormer = [](shell::Context& ctx) {
            dials::projective::SetupProjectiveFormer(ctx);
            dials::projective::DrawGnomonProjFormer(ctx);
        };
        return runWith(table);
    }
};

}  // namespace formertest
