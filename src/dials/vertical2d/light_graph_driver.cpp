#include "dials/vertical2d/vertical2d.h"
#include "plot/user_services.h"
#include "shell/refusal.h"

namespace dials::vertical2d {

void RunLightGraphDial(shell::Context& ctx) {
    if (shell::refuse(ctx, ctx.inputs.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal))
        return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Vertical dial, light graph by 2 D analytic geometry");
}

}  // namespace dials::vertical2d
