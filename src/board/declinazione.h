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

// Runs the calculation; fills `values` (see EqTempo) and returns the report, whose numbers use
// `decimalSeparator`. Throws numeric::NumericFailure only for inputs so large that a result is
// not finite.
Report Declinazione(const BoardInputs& in, SolarValues& values, std::string_view decimalSeparator);

}  // namespace board
