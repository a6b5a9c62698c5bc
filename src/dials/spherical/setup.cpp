#include <cmath>

#include "dials/spherical/spherical.h"
#include "dials/geometry_names.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "shell/read_place_and_wall.h"

namespace dials::spherical {

namespace {

// What both readers store first: the constants, the latitude as typed, signed, with its radians
// on the stored Pi, the zone's correction, the wall's declination and the hour step. In the
// southern hemisphere, where `fromTheSouth` asks for it, the declination typed from the north
// (west positive) is turned into the azimuth of the face from the south, folded onto
// (-180, 180].
void readPlaceAndWall(shell::Context& ctx, bool fromTheSouth) {
    using numeric::checkFinite;
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    m.Pi = kStoredPi;
    m.StyleLength = in.number("txtStilo");
    m.LatDegrees = in.number("txtLAT");
    m.LatRad = checkFinite(m.LatDegrees * m.Pi / 180);

    // How far the local meridian lies west of the zone's standard meridian.
    m.LonAbsDeg = std::fabs(in.number("txtLON"));
    const double zone = in.number("TxtFuso");
    m.ZoneCorrRad = checkFinite((-m.LonAbsDeg * m.EastSign - 15 * zone) * m.Pi / 180);

    double D = shell::typedDeclination(in);
    if (fromTheSouth && m.LatRad < 0) D = numeric::supplementKeepingUpperEnd(checkFinite(D), 180);
    m.DeclDegrees = D;
    m.DeclDecimal = D;
    m.WallDeclRad = checkFinite(m.DeclDegrees * m.Pi / 180);

    // An hour fraction of 0 leaves the hour lines undefined: the run stops here.
    m.HourStep = numeric::checkedDiv(15, in.number("TxtHour"));
}

}  // namespace

// The vertical programme's inputs: every later formula takes the latitude with its sign.
void ReadInputsVertSph(shell::Context& ctx) {
    readPlaceAndWall(ctx, true);
    ctx.m.PointStep = ctx.inputs.number("txt_Definition") / 500;
}

// The declining-reclining programme's inputs. The declination and the reclination are kept as
// typed (in the southern hemisphere the reclination is typed with the opposite sign and the
// procedures reflect their points). A typed reclination of 90 or -90 is the horizontal dial
// facing the sky, in either hemisphere: it has no declination, and its reclination is the one
// that, by the hemisphere's sign rule, names the face turned up (a plane facing the ground never
// sees the sun). The origin of the dial is put at the horizontal centre of the plot.
void PrepareSphericalData(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    readPlaceAndWall(ctx, false);
    const int hemisphere = m.LatRad >= 0 ? 1 : -1;
    m.ReclRad = numeric::checkFinite(shell::typedReclination(in, hemisphere) * m.Pi / 180);
    m.LatRadCopy = m.LatRad;
    m.HorizontalFlag = 0;
    if (shell::typedHorizontal(in)) {
        m.WallDeclRad = 0;
        m.HorizontalFlag = 1;
        m.ReclRad = hemisphere * m.Pi / 2;
    }
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.setShiftX(plot.QuadranteL() / 2);
    m.PlotShiftX = plot.ShiftX();
}

}  // namespace dials::spherical
