#include "dials/projective/projective_refusal.h"

#include <cmath>

#include "geometry/stored_pi.h"
#include "numeric/tolerance.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::projective {

bool refuseProjective(shell::Context& ctx, bool nearLevelTooFar) {
    const shell::InputRecord& in = ctx.inputs;
    const double reclination = shell::typedReclination(in, 1) * geometry::kStoredPi / 180;
    const bool level = shell::typedHorizontal(in) ||
                       (nearLevelTooFar &&
                        std::fabs(std::cos(reclination)) <= numeric::kStoredPiResidue);
    return shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal) ||
           shell::refuse(ctx, in.number("txtLAT") == 0, shell::kEquatorRefusal) ||
           shell::refuse(ctx, level, "Sorry, unable to draw horizontal dials ");
}

}  // namespace dials::projective
