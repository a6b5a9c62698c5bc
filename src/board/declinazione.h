#pragma once
// The board's calculation: for a place, a date and a universal time, the sun's azimuth and
// altitude, the declination of a wall from an angle measured on it, the equation of time,
// the time shown by a sundial, noon, sunrise, sunset and the length of the day, as a report.

#include <string>
#include <string_view>

#include "board/solar_calculator.h"

namespace board {

// The texts of the board's boxes the calculation reads (an empty box counts as 0).
struct BoardInputs {
    std::string txtLAT;  // latitude, decimal degrees, north positive
    std::string txtLON;  // longitude, decimal degrees, west positive
    std::string txtDay, txtMonth, txtYear;
    std::string txtHH, txtMM, txtSS;  // universal time
    std::string txtAngle;  // angle az between the sun's direction and the wall's perpendicular
    std::string TxtFuso;   // standard time zone, hours, negative east of Greenwich
    int ckDST = 0;         // 1: an hour is added to noon, sunrise and sunset
    // In the sexagesimal form, the degrees, minutes and seconds boxes the place was typed in,
    // from which txtLAT and txtLON were written.
    bool sexagesimal = false;
    std::string txtLatG, txtLatP, txtLATS, txtLonG, txtLonP, txtLonS;
};

// Why the place on the board holds no usable numbers, or "": the latitude's boxes, then the
// longitude's, as coordinateRefusal reads them (the boxes typed in, in the sexagesimal form,
// then the decimal box, one beyond the pole among them).
std::string placeRefusal(const BoardInputs& in);

struct Report {
    std::string text;            // the report, lines ended by values.LineBreak
    std::string sunDeclination;  // degrees to three decimals, " 23.438" or "-7.5"
    std::string refusal;         // why nothing was computed (a box named), or ""
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
// `decimalSeparator`. A box that holds no number, or one the main window's boxes refuse (read by
// readBoardBox: a latitude beyond the pole, a number beyond any dial's arithmetic), is refused
// before anything is computed: the report is then
// empty and `refusal` names the box by its caption on the board ("the Latitude box", "the month
// box of the Date (dd,mm,yyyy)"). Throws numeric::NumericFailure only for inputs so large that a
// result is not finite.
Report Declinazione(const BoardInputs& in, SolarValues& values, std::string_view decimalSeparator);

}  // namespace board
