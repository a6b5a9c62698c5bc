#include <cmath>

#include "dials/spherical/spherical.h"
#include "numeric/checked.h"

namespace dials::spherical {

namespace {

// What both readers store first: the constants and the latitude as typed, signed, with its
// radians on the stored Pi.
void readPlace(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.Pi = 3.141592654;
    m.Obliquity = 23.439033;
    m.LatDegrees = ctx.inputs.number("txtLAT");
    m.LatRad = numeric::checkFinite(m.LatDegrees * m.Pi / 180);
}

}  // namespace

void ReadInputsVertSph(shell::Context& ctx) { readPlace(ctx); }

void PrepareSphericalData(shell::Context& ctx) {
    readPlace(ctx);
    ctx.m.HorizontalFlag = 0;
    if (std::fabs(ctx.inputs.number("txtReclinZ")) == 90) ctx.m.HorizontalFlag = 1;
}

}  // namespace dials::spherical
