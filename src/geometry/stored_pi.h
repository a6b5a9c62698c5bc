#pragma once
// The value of pi every programme, the technical-data list, the utilities board and the printer's
// unit conversion share: ten significant digits, as the programmes have always stored it. Degrees
// become radians with it, so an angle typed exactly (90, 180) comes out a few 1e-10 off its exact
// value (numeric/tolerance.h says how much of that the programmes allow for).

namespace geometry {

inline constexpr double kStoredPi = 3.141592654;

}  // namespace geometry
