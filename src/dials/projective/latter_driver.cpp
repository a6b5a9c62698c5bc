#include <cmath>

#include "dials/projective/projective.h"
#include "plot/user_services.h"
#include "shell/refusal.h"

namespace dials::projective {

void RunProjectiveLatter(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;
    if (shell::refuse(ctx, in.number("txtLAT") == 0, shell::kEquatorRefusal)) return;
    if (shell::refuse(ctx, std::fabs(in.number("txtReclinZ")) == 90,
                      "Sorry, unable to draw horizontal dials "))
        return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Flat sundial by projective method : latter version");
}

}  // namespace dials::projective
