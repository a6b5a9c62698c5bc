#include <cmath>

#include "dials/spherical/spherical.h"
#include "dials/geometry_names.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/fold.h"
#include "shell/read_place_and_wall.h"

namespace dials::spherical {

namespace {

// What both readers store first: the constants and the latitude as typed, signed, with its
// radians on the stored Pi.
void readPlace(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.Pi = kStoredPi;
    m.LatDegrees = ctx.inputs.number("txtLAT");
    m.LatRad = numeric::checkFinite(m.LatDegrees * m.Pi / 180);
}

// A style of no length casts no shadow: every line would fall on its foot. The run stops here,
// as a division by zero.
void refuseStyleOfNoLength(const shell::Module1& m) {
    if (m.StyleLength == 0) numeric::fail(numeric::FailureKind::DivisionByZero);
}

}  // namespace

// The vertical programme's inputs. In the southern hemisphere the wall's declination is typed
// from the north (west positive) and turned here into the azimuth of the face from the south,
// folded onto (-180, 180]; every later formula then takes the latitude with its sign.
void ReadInputsVertSph(shell::Context& ctx) {
    using numeric::checkFinite;
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    readPlace(ctx);

    // How far the local meridian lies west of the zone's standard meridian.
    m.LonAbsDeg = std::fabs(in.number("txtLON"));
    const double zone = in.number("TxtFuso");
    m.ZoneCorrRad = checkFinite((-m.LonAbsDeg * m.EastSign - 15 * zone) * m.Pi / 180);

    double D = shell::typedDeclination(in);
    if (m.LatRad < 0) D = numeric::supplementKeepingUpperEnd(checkFinite(D), 180);
    m.DeclDegrees = D;
    m.DeclDecimal = D;
    m.WallDeclRad = checkFinite(m.DeclDegrees * m.Pi / 180);

    // An hour fraction of 0 leaves the hour lines undefined: the run stops here.
    m.HourStep = numeric::checkedDiv(15, in.number("TxtHour"));
    m.PointStep = in.number("txt_Definition") / 500;
    m.StyleLength = in.number("txtStilo");
    refuseStyleOfNoLength(m);
}

// The declining-reclining programme's inputs. The declination and the reclination are kept as
// typed (in the southern hemisphere the reclination is typed with the opposite sign and the
// procedures reflect their points). A typed reclination of 90 or -90 is the horizontal dial
// facing the sky, in either hemisphere: it has no declination, and its reclination is the one
// that, by the hemisphere's sign rule, names the face turned up (a plane facing the ground never
// sees the sun). The origin of the dial is put at the horizontal centre of the plot.
void PrepareSphericalData(shell::Context& ctx) {
    using numeric::checkFinite;
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    m.Pi = kStoredPi;
    m.StyleLength = in.number("txtStilo");
    refuseStyleOfNoLength(m);
    m.LatDegrees = in.number("txtLAT");
    m.LatRad = checkFinite(m.LatDegrees * m.Pi / 180);
    m.LonAbsDeg = std::fabs(in.number("txtLON"));
    // The place's longitude less the zone meridian's, both west positive.
    const double zone = in.number("TxtFuso");
    m.ZoneCorrRad = checkFinite((-(15 * zone) - m.EastSign * m.LonAbsDeg) * m.Pi / 180);
    m.DeclDegrees = shell::typedDeclination(in);
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = checkFinite(m.DeclDegrees * m.Pi / 180);
    // An hour fraction of 0 leaves the hour lines undefined: the run stops here.
    m.HourStep = numeric::checkedDiv(15, in.number("TxtHour"));
    m.ReclRad = checkFinite(shell::typedReclination(in, m.LatRad >= 0 ? 1 : -1) * m.Pi / 180);
    m.LatRadCopy = m.LatRad;
    m.HorizontalFlag = 0;
    if (shell::typedHorizontal(in)) {
        m.WallDeclRad = 0;
        m.HorizontalFlag = 1;
        m.ReclRad = (m.LatRad >= 0 ? 1 : -1) * m.Pi / 2;
    }
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.setShiftX(plot.QuadranteL() / 2);
    m.PlotShiftX = plot.ShiftX();
}

}  // namespace dials::spherical
