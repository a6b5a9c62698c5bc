#pragma once
// The board's calculation: for a place, a date and a universal time, the sun's azimuth and
// altitude, the declination of a wall from an angle measured on it, the equation of time,
// the time shown by a sundial, noon, sunrise, sunset and the length of the day, as a report.

#include <string>
#include <string_view>

#include "board/solar_calculator.h"

namespace board {

// The texts of the board's boxes the calculation reads (empty or non-numeric counts as 0).
struct BoardInputs {
    std::string txtLAT;  // latitude, decimal degrees, north positive
    std::string txtLON;  // longitude, decimal degrees, west positive
    std::string txtDay, txtMonth, txtYear;
    std::string txtHH, txtMM, txtSS;  // universal time
    std::string txtAngle;  // angle az between the sun's direction and the wall's perpendicular
    std::string TxtFuso;   // standard time zone, hours, negative east of Greenwich
    int ckDST = 0;         // 1: an hour is added to noon, sunrise and sunset
};

struct Report {
    std::string text;            // the report, lines ended by values.LineBreak
    std::string sunDeclination;  // degrees to three decimals, " 23.438" or "-7.5"
};

// An azimuth counted from the south through the west, as the board counts the sun's azimuth
// and a wall's declination: unchanged for a latitude of 0 or more, from the north (west
// positive) for a southern one; within (-180, 180]. The change of reference is a reflection,
// its own inverse: the same call turns the board's figure back into one from the south.
double boardAzimuth(bool southernLatitude, double fromSouth);

// The declination of a wall from the sun's azimuth AZ as the report gives it and the angle az
// measured on the wall: AZ - az for a latitude of 0 or more, AZ + az for a southern one,
// within (-180, 180] (West positive, East negative). In the north AZ and the wall's
// declination are counted from the south, in the south from the north, as the main window
// reads a wall's declination in each hemisphere. az is positive when the sun stands to the
// right of the wall's perpendicular for one who looks out from the wall along it.
double wallDeclination(double lat, double AZ, double az);

// Runs the calculation; fills `values` (see EqTempo) and returns the report, whose numbers use
// `decimalSeparator`. Throws numeric::NumericFailure only for inputs so large that a result is
// not finite.
Report Declinazione(const BoardInputs& in, SolarValues& values, std::string_view decimalSeparator);

}  // namespace board
