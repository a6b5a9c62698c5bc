#include "dials/cylindrical/cylindrical.h"

#include "plot/user_services.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void RunCylCircularProjective(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Cylindrical sundial of circular cross-section : projective method");
    shell::ReadPlaceAndWallInputs(ctx);
}

}  // namespace dials::cylindrical
