#pragma once
// The procedures of the vertical dial by 2D analytic geometry. They take no arguments but the
// context: they read the inputs and the shared variables that SetupVertical2D fills and write
// their results back into ctx.m, drawing on ctx.ixPlot1().
//
// Dial coordinates are metres in the wall, origin at the foot of the perpendicular style, x to
// the right and y upward; a point (x, y) is sent to the plot as (x, -y). Inside this programme
// the wall declination carries the opposite sign of the one typed (east positive). For a
// southern latitude the same formulas give the dial of a wall facing north, its typed
// declination counted from north, west positive.

#include "shell/context.h"

namespace dials::vertical2d {

// Set-up, after shell::ReadPlaceAndWallInputs (whose hour step, style length and zone
// correction it keeps): the main window's inputs into the shared variables, the style and
// substyle, the declination conics. A numerical failure that leaves the dial undefined (a style
// lying in the wall, at latitude 0 facing due east or west) throws numeric::NumericFailure and
// stops the run.
void SetupVertical2D(shell::Context& ctx);
// The substyle angle of the technical data for a wall facing away from the equator.
void FinishVertical2D(shell::Context& ctx);

// Hour lines (with the standard-meridian correction when ck_Etna is ticked).
void DrawHourLinesVert2D(shell::Context& ctx);
// Equinoctial line.
void DrawEquinoctialVert2D(shell::Context& ctx);
// Substyle line through the foot and noon line through the centre.
void DrawSubstyleVert2D(shell::Context& ctx);
// Horizon: the horizontal through the style foot.
void DrawHorizonVert2D(shell::Context& ctx);
// Triangle of the style laid into the wall.
void DrawStyleTriangleVert2D(shell::Context& ctx);
// Declination lines: +-23.45, +-20 and +-11.5 degrees.
void DrawDeclinationLinesVert2D(shell::Context& ctx);
// Italian hours (counted from sunset) and Babylonian hours (counted from sunrise).
void DrawItalianHoursVert2D(shell::Context& ctx);
void DrawBabylonianHoursVert2D(shell::Context& ctx);
// The analemma of 12:00 standard time.
void PlotAnalemmaVert2D(shell::Context& ctx);

}  // namespace dials::vertical2d
