#pragma once
// The procedures of the vertical light graph. Each takes the context only: it reads the inputs
// and the shared variables and writes its results back into ctx.m, drawing on ctx.ixPlot1().
//
// The light graph works in the plane of the wall. Its substyle frame has the abscissa d along the
// substyle from the style foot (towards the dial centre, which lies at d = L / tan e) and the
// ordinate q across it; a frame point (d, q) is the dial point
//   x = q cos s - d sin s,  y = d cos s + q sin s      (metres, y upward; the plot gets (x, -y))
// with s = SubstyleRad. The equinoctial line is d = -P, P = PlaneCoefY = L tan e. Hour angles
// count positive in the afternoon; the wall declination positive to the west.

#include "shell/context.h"

namespace dials::vertical2d {

// Driver's helpers (driver, input reader, set-up, final correction of the substyle angle for the
// technical data). A numerical failure in them is not handled here: it throws
// numeric::NumericFailure and ends the run.
void ReadInputsLightGraph(shell::Context& ctx);
void SetupLightGraph(shell::Context& ctx);
void NormalizeSubstyleAngleLight(shell::Context& ctx);

// Hour lines and the straight lines.
void DrawHourLinesLight(shell::Context& ctx);
void DrawEquinoctialLineLight(shell::Context& ctx);
void DrawSubstyleLineLight(shell::Context& ctx);
void DrawNoonLineLight(shell::Context& ctx);
void DrawStyleTriangleLight(shell::Context& ctx);
void DrawHorizonLineLight(shell::Context& ctx);
void DrawStyleFootLight(shell::Context& ctx);

// Declination lines of the sun: +-23.45, +-20 and +-11.5 degrees.
void DrawDeclinationLinesLight(shell::Context& ctx);
// Temporary (unequal) hours, between the solstice lines, where the sun shines on the wall.
void DrawTemporaryHoursLight(shell::Context& ctx);
// Italian hours (from sunset) and Babylonian hours (from sunrise).
void DrawItalianHoursLight(shell::Context& ctx);
void DrawBabylonianHoursLight(shell::Context& ctx);
// The analemma of 12:00 standard time.
void PlotAnalemmaLight(shell::Context& ctx);

}  // namespace dials::vertical2d
