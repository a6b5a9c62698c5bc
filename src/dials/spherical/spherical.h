#pragma once
// Vertical, declining-reclining and horizontal flat dials by spherical trigonometry.

#include "shell/context.h"

namespace dials::spherical {

// The hour angle, degrees either side of noon, to which both programmes sweep their hour lines
// and declination lines: eight in the evening and four in the morning, the last hours the
// numerals label. Near the poles the summer sun lights walls turned to the pole at those hours.
inline constexpr double kLastHourDeg = 120;

// Driver of the vertical programme (menu item mnuVertSph, the start-up programme).
void RunVerticalSpherical(shell::Context& ctx);
// Driver of the declining-reclining or horizontal programme (menu item mnuUni).
void RunInclinedSpherical(shell::Context& ctx);

// Set-up of the vertical programme: Pi, Obliquity, LatDegrees (the latitude as typed) and
// LatRad (the same in radians, signed). An hour fraction of 0 or a style of no length stops the
// run (numeric::NumericFailure).
void ReadInputsVertSph(shell::Context& ctx);
// Set-up of the declining-reclining programme: as ReadInputsVertSph, and HorizontalFlag 1 for a
// horizontal plane (reclination +-90), else 0.
void PrepareSphericalData(shell::Context& ctx);

}  // namespace dials::spherical
