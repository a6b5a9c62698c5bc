#pragma once
// Degrees or hours split into whole units, minutes and seconds for display. The total is
// rounded to the seconds' shown decimals before it is split: the seconds never read 60, and a
// round value whose double lies a hair below it (33.9 degrees, 18.4 / 15 hours) comes back
// round (33 54 0, not 33 53 59.99...).

namespace board {

struct Sexagesimal {
    double whole = 0;
    double minutes = 0;
    double seconds = 0;
};

// |x| as whole units, minutes (0..59) and seconds with `secondDecimals` decimals (0..6),
// below 60. Throws numeric::NumericFailure when x is not finite.
Sexagesimal splitSexagesimal(double x, int secondDecimals);

// Hours as a time of day to the whole second: whole days are taken off, so the hours run
// from 0 to 23 (25 h 30 m is 1 h 30 m, -4 h is 20 h).
Sexagesimal timeOfDay(double hours);

}  // namespace board
