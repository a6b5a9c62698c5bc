#pragma once
// The sky lines that several programmes draw on their flat dials: the Qibla, the Asr curve and
// the lines of equal altitude and equal azimuth of the sun. Each re-reads what it needs from the
// main window and may overwrite shared variables that the procedures called after it see.

#include "shell/context.h"

namespace dials::flat3d {

void PlotQibla(shell::Context& ctx);
// Called unconditionally: it tests ckAsr itself.
void PlotAsrCurve(shell::Context& ctx);
void PlotAltitudeLines(shell::Context& ctx);
void PlotAzimuthLines(shell::Context& ctx);

}  // namespace dials::flat3d
