#include <cmath>

#include "dials/projective/projective.h"
#include "plot/user_services.h"
#include "shell/refusal.h"

namespace dials::projective {

void RunProjectiveFormer(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;
    if (shell::refuse(ctx, in.number("txtLAT") == 0, shell::kEquatorRefusal)) return;
    if (shell::refuse(ctx, std::fabs(in.number("txtReclinZ")) == 90,
                      "Sorry, unable to draw horizontal dials "))
        return;
    // A wall facing due east or west is the latter version's case.
    if (shell::refuse(ctx, std::fabs(in.number("txtDecl")) == 90, "Please use programme n\u00b0 4 "))
        return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Flat sundial by projective method : former version");
}

}  // namespace dials::projective
