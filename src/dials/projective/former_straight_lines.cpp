// The straight lines of the former projective dial other than the hour lines: the noon line, the
// substyle and the triangle of the style drawn apart.

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/plot_line.h"
#include "dials/projective/former_procedures.h"
#include "dials/geometry_names.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::checkedDiv;

namespace {

// Plots the points of the straight line through the dial point `base` (the foot of the
// perpendicular style at the origin) along `direction` that lie in the plot area, one every
// `step` metres along the steeper of the two axes from where the line enters the area: a line
// that runs almost along one axis gets its points as close as one along the other, and the line
// is drawn across the whole plot area wherever its reference point lies.
void plotLineAcrossPlot(shell::Context& ctx, const DialPoint& base, const DialPoint& direction,
                        double step, numeric::Colour colour) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    for (const DialPoint& p : pointsAcrossBox({base, direction}, plotBox(plot), step,
                                              Spacing::FromEntry))
        plotDialPoint(plot, p, colour);
}

}  // namespace

void DrawNoonLineProjFormer(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    // With no tilt the noon line is the construction's vertical through the centre.
    if (m.NoonTiltRad == 0) return;
    // The line through the centre at the tilt from the line of greatest slope, one point every
    // 0.1 mm: where the meridian's plane through the tip cuts the dial. Taken so, it stays on
    // the noon line however far off the centre lies (a plane next to one that holds the polar
    // axis), where a direction formed from the stored Pi's right angle turns it by 2e-10.
    const Face face = dialFace(m);
    const std::optional<DialLine> noon = face.section({1, 0, 0}, m.StyleLength * face.out);
    if (noon)
        plotLineAcrossPlot(ctx, noon->base, noon->direction, 0.0001,
                           shell::LineColor(ctx, palette::kRed));
}

void DrawSubstyleProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double E = m.StyleElevRad;
    numeric::skip([&] {
        // The polar axis laid down on the face: its run across the slope over the cosine of the
        // elevation is the sine of the substyle's angle from the line of greatest slope.
        const DialPoint along = dialFace(m).substyleDirection(m.LatRad);
        const double w = checkedDiv(-along.x, std::cos(-E));
        if (std::fabs(w) > 1) return;
        // The arcsine gives the angle of a substyle that runs up the slope from the foot; when
        // the axis laid down runs down it, the line is turned the other way.
        double sigma = shell::ArcSin(m, w);
        if (along.y < 0) sigma = -sigma;
        if (sigma == 0) return;  // vertical: the construction's vertical passes through the foot
        // Through the foot, one point every 5 mm.
        const double run = checkedDiv(1, std::tan(sigma));
        plotLineAcrossPlot(ctx, {0, 0}, {1, -run}, 0.005,
                           shell::LineColor(ctx, palette::kLightBlue));
    });
}

void DrawStyleTriangleProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double substyleSide = m.StyleLengthD * std::cos(m.StyleElevRad);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double base = std::fabs(substyleSide);
    const double height = std::fabs(m.StyleLength);
    // The right angle 5 mm inside the top right corner of the plot area (dial coordinates: the
    // legs run left and down from it). Near the polar axis the substyle side reaches far off
    // the area: the area shows the part of it that lies within.
    const double kx = plot.ShiftX() - 0.005, ky = plot.ShiftY();
    plotSegment(plot, {kx, ky}, {kx, ky - height}, shell::LineColor(ctx, palette::kLightMagenta));
    plotSegment(plot, {kx - base, ky}, {kx, ky}, shell::LineColor(ctx, palette::kLightYellow));
    plotSegment(plot, {kx - base, ky}, {kx, ky - height},
                shell::LineColor(ctx, palette::kLightBlue));
}

}  // namespace dials::projective
