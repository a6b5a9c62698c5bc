#pragma once
// The procedures of the flat dial programme by 3D analytic geometry, each in the version for the
// free variable X (the world east coordinate is stepped) and for the free variable Y (the world
// north coordinate is stepped). They take no arguments but the context: they read the inputs
// and the shared variables and write their results back into ctx.m, drawing on ctx.ixPlot1().
//
// World frame: origin at the foot of the perpendicular style, x east, y north, z up (metres).
// The style tip is (PlaneCoefX, PlaneCoefY, PlaneCoefZ). In this programme an hour angle counts
// positive towards the east.

#include "shell/context.h"

namespace dials::flat3d {

// Input readers: the main window's inputs into the shared variables. A numerical failure
// (an hour fraction of 0, for one) is not handled here: it throws numeric::NumericFailure.
void SetupInclinedDialVarX(shell::Context& ctx);
void SetupInclinedDialVarY(shell::Context& ctx);

// Substyle angle, style elevation, substyle hour and style hypotenuse; no drawing.
void ComputeSubstyleX(shell::Context& ctx);
void ComputeSubstyleY(shell::Context& ctx);
// The final correction of SubstyleAngle when the style elevation is negative.
void NormalizeSubstyleAngle(shell::Context& ctx);

// Hour lines (with the standard-meridian correction when ck_Etna is ticked).
void DrawHourLinesX(shell::Context& ctx);
void DrawHourLinesY(shell::Context& ctx);

// Straight lines: the equinoctial, the horizon, the noon line (each alike for both variables)
// and the substyle line.
void DrawEquinoctialLine(shell::Context& ctx);
void DrawHorizonLine(shell::Context& ctx);
void DrawNoonLine(shell::Context& ctx);
void DrawSubstyleLineX(shell::Context& ctx);
void DrawSubstyleLineY(shell::Context& ctx);

// Declination lines of the sun: +-23.45, +-20 and +-11.5 degrees, alike for both variables.
void DrawDeclinationLines(shell::Context& ctx);

// The triangle of the style laid flat on the dial, and the vertical through the centre.
void DrawStyleTriangleX(shell::Context& ctx);
void DrawStyleTriangleY(shell::Context& ctx);

// Italian and Babylonian hours, alike for both variables.
void DrawItalianHours(shell::Context& ctx);
void DrawBabylonianHours(shell::Context& ctx);

// The analemma of 12:00 standard time.
void PlotAnalemmaX(shell::Context& ctx);
void PlotAnalemmaY(shell::Context& ctx);

}  // namespace dials::flat3d
