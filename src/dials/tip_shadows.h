#pragma once
// Whether any shadow of the style's tip falls within the plot area, decided from the shadows
// themselves: a point of the dial is a shadow of the tip when the direction from it to the tip is
// a sun of the year (its declination within the solstices) above the horizon that lights the face
// there. Every hour angle comes on every day, so no hour is asked. When none falls, every line
// the programme draws from the sun lies beyond the area, and the run says so.
//
// The surface is given as the plot shows it: the plot's x runs across the surface along a
// horizontal (a plane's x axis, an arc of a cylinder's section, unrolled), and the dial's height
// y (the plot's y reversed) up a column, so that the point drawn at (x, -y) is base(x) + y column
// in the world frame. The directions that are no sun of the year form two open cones about the
// polar axis, one about either pole, each convex: a straight line meets each in one stretch. So
// the part of the area below the tip's level holds no shadow exactly when its edges lie wholly
// within one of the two cones: both ends of a straight edge, every point of a curved one.

#include <functional>
#include <limits>

#include "dials/cone_sections.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/vec3.h"
#include "plot/plot_surface.h"
#include "shell/context.h"

namespace dials {

struct TipShadowSurface {
    Vec3 tip;     // the style's tip, world frame (x east, y north, z up)
    Vec3 pole;    // the polar axis, of unit length (celestialPole), towards either pole
    Vec3 column;  // of unit length, up a column of the plot
    // The surface at the plot's x, at the dial's height 0; the same height for every x, and x
    // the length along the surface (the curve has unit speed).
    std::function<Vec3(double x)> base;
    // Where the surface lies and its face looks towards the tip: the plot's x from..to.
    double from = -std::numeric_limits<double>::infinity();
    double to = std::numeric_limits<double>::infinity();
    // Whether base is a straight line: the edges of the area are then straight too.
    bool flat = false;

    // A flat dial drawn on the axes of the frame (its x horizontal).
    static TipShadowSurface plane(const ConeFrame& frame);
    // A face whose dial axes are its right and up, the tip `length` out of it, at latitude phi.
    static TipShadowSurface face(const Face& face, double length, double phi);
};

// Whether a shadow of the tip falls within the plot area.
bool tipShadowFallsWithin(const TipShadowSurface& surface, const plot::PlotSurface& plot);

// The end of a programme's run: when no shadow of the tip falls within the plot area, says so,
// naming the style's box. Nothing after a run whose loops were refused for their rounds (Run
// reports it stopped).
void sayWhenNoTipShadowFalls(shell::Context& ctx, const TipShadowSurface& surface);

}  // namespace dials
