#include "dials/projective/projective_refusal.h"

#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::projective {

bool refuseProjective(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    return shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal) ||
           shell::refuse(ctx, in.number("txtLAT") == 0, shell::kEquatorRefusal) ||
           shell::refuse(ctx, shell::typedHorizontal(in),
                         "Sorry, unable to draw horizontal dials ");
}

}  // namespace dials::projective
