#include <cmath>

#include "dials/spherical/spherical.h"
#include "plot/user_services.h"

namespace dials::spherical {

void RunInclinedSpherical(shell::Context& ctx) {
    plot::BusyCursor busy(ctx.services);
    const bool horizontal = std::fabs(ctx.inputs.number("txtReclinZ")) == 90;
    ctx.ixPlot1().Messaggio(horizontal ? "Horizontal dial by spherical trigonometry"
                                       : "Declining, reclining dial by spherical trigonometry");
    PrepareSphericalData(ctx);
}

}  // namespace dials::spherical
