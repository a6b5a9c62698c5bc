#pragma once
// The sky lines that several programmes draw on their flat dials: the Qibla, the Asr curve, the
// lines of equal altitude and equal azimuth of the sun, and the asymptotes of the solstice
// curves of vertical dials. Each re-reads what it needs from the main window and the shared
// variables and overwrites shared variables that the procedures called after it see.

#include "shell/context.h"

namespace dials::sky_lines {

// The direction of the chosen place (txtQLat, txtQLong, txtLocation): the shadow curve when
// ckQibla is ticked, its label, and the text block (always).
void PlotQibla(shell::Context& ctx);
// Called unconditionally: it refreshes the plane from the main window, then draws only when
// ckAsr is ticked.
void PlotAsrCurve(shell::Context& ctx);
void PlotAltitudeLines(shell::Context& ctx);
void PlotAzimuthLines(shell::Context& ctx);
// Vertical dials only. Reads LatRad, WallDeclRad, DeclDecimal, StyleLength, HemisphereSign and
// Pi as the caller's reader left them (and SubstyleRad under M_Frinter), and writes none;
// draws nothing unless the solstice curves are hyperbolas. A numerical failure (a conic term of
// 0) is thrown to the caller of the run.
void PlotAsymptotes(shell::Context& ctx);

}  // namespace dials::sky_lines
