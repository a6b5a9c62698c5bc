#include "shell/read_place_and_wall.h"

#include <cmath>

#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "shell/input_check.h"

namespace shell {

namespace {

// Degrees to radians on the stored Pi, in the order every reader writes it: x * Pi / 180.
double toRadians(double degrees, double pi) { return numeric::checkFinite(degrees * pi / 180); }

// The reclination box folded onto one turn, as typed otherwise.
double foldedReclination(const InputRecord& in) {
    return numeric::foldKeepingUpperEnd(in.number("txtReclinZ"), 180);
}

}  // namespace

bool typedHorizontal(const InputRecord& in) { return std::fabs(foldedReclination(in)) == 90; }

double typedDeclination(const InputRecord& in) {
    return numeric::foldKeepingUpperEnd(in.number("txtDecl"), 180);
}

double typedReclination(const InputRecord& in, double hemisphere) {
    if (typedHorizontal(in)) return hemisphere < 0 ? -90 : 90;
    return foldedReclination(in);
}

void ReadPlaceAndWallInputs(Context& ctx) {
    Module1& m = ctx.m;
    const InputRecord& in = ctx.inputs;

    m.Pi = geometry::kStoredPi;

    m.LatDegrees = in.number("txtLAT");
    m.LatDecimal = m.LatDegrees;
    m.LatRad = toRadians(m.LatDegrees, m.Pi);

    m.LonAbsDeg = std::fabs(in.number("txtLON"));
    const double zone = in.number("TxtFuso");
    m.ZoneCorrRad = toRadians(-m.EastSign * m.LonAbsDeg - 15 * zone, m.Pi);

    m.DeclDegrees = numeric::checkFinite(m.DeclSign * typedDeclination(in));
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = toRadians(m.DeclDegrees, m.Pi);

    // The radius and the drawing step only where the programme reads them (the vertical 2D
    // programme reads neither, the cylinder by spherical trigonometry no step): a box the
    // programme greys out is not parsed, whatever it holds, and its variable keeps its value.
    if (runReads(ctx, "txtRadius")) m.Radius = in.number("txtRadius");
    m.HourStep = numeric::checkedDiv(15, in.number("TxtHour"));
    if (runReads(ctx, "txt_Definition")) m.PointStep = in.number("txt_Definition") / 500;
    m.StyleLength = in.number("txtStilo");
}

}  // namespace shell
