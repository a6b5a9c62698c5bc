#include "dials/spherical/spherical.h"
#include "plot/user_services.h"

namespace dials::spherical {

void RunVerticalSpherical(shell::Context& ctx) {
    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Vertical dial by spherical trigonometry ");
    ReadInputsVertSph(ctx);
}

}  // namespace dials::spherical
