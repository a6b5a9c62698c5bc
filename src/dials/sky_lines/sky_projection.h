#pragma once
// The projection the sky lines share: the shadow of the style tip on a flat dial for a sun of
// hour angle H (radians, 0 at noon, positive towards the west) and declination delta (radians),
// geometry::projectSun, in the dial coordinates of the programmes (metres from the foot of the
// perpendicular style; the point (x, y) goes to the plot as (x, -y) in the north).

#include <optional>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sun_projection.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/input_record.h"
#include "shell/read_place_and_wall.h"

namespace dials::sky_lines {

struct SkyPlane {
    double phi = 0;     // latitude, radians
    Face face;          // the plane
    double length = 0;  // the perpendicular style, metres

    // The plane of declination D and reclination R (radians) given by its angle to the horizon,
    // pi / 2 - R in the programme's value of pi (Face::decliningFromHorizon), as the sky lines
    // take it.
    static SkyPlane of(double phi, double D, double R, double length, double pi) {
        return {phi, Face::decliningFromHorizon(D, pi / 2 - R), length};
    }
};

// Only the flat programmes have a reclination; the others draw on a vertical wall.
inline bool programmeHasReclination(const shell::InputRecord& in) {
    return in.checked("M_Inclinati") || in.checked("mnuUni");
}
// The reclination of the programme's plane, degrees: the one typed (shell::typedReclination for
// the hemisphere's sign) on a flat programme's plane, 0 on the others' vertical wall.
inline double planeReclinationDeg(const shell::InputRecord& in, double hemisphere) {
    return programmeHasReclination(in) ? shell::typedReclination(in, hemisphere) : 0;
}

// The shadow of the tip for one sun: the point, and the denominator of the projection, whose
// sign tells on which side of the plane the sun stands: positive in front of it, where the point
// is the shadow the sun really casts and not the point of the opposite direction.
struct SkyShadow {
    DialPoint point;
    double denominator = 0;
};

// Projects the sun of (H, delta) onto the plane. Throws numeric::NumericFailure when the
// denominator is not finite or the sun lies in the plane (no point).
SkyShadow projectShadow(const SkyPlane& plane, double H, double delta);

// Plots the shadow of the sun of (H, delta) when it is one a real sun casts: its sun stands in
// front of the plane and above the horizon (whatever its declination: the sky lines bound their
// own days). hemisphere is +1 for a latitude not below 0, where the point (x, y) goes to the
// plot's (x, -y), and -1 south of the equator, where the sky lines compute in a frame turned
// over east to west (the denominator's sign with it) and the point goes to (-x, y). Returns the
// shadow drawn, none when the sun casts none. Throws as projectShadow.
std::optional<DialPoint> plotSunlitShadow(plot::PlotSurface& plot, const SkyPlane& plane,
                                          double hemisphere, double H, double delta,
                                          numeric::Colour colour);

}  // namespace dials::sky_lines
