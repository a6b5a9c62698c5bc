#pragma once
// The board's solar calculator: Julian day, equation of time, and the sun's declination and
// right ascension for a civil date and a universal time, by the classical series in Julian
// centuries from 1900 January 0.5 (mean longitude, mean anomaly, eccentricity, equation of the
// centre, reduction to the equator).

#include <string>

namespace board {

// What a calculation leaves on the board; each run overwrites it.
struct SolarValues {
    double JulianDay = 0;    // of the moment
    double EotMinutes = 0;   // whole minutes of the equation of time, with its sign
    double EotFraction = 0;  // the rest, in minutes, with the same sign
    double RaHours = 0;      // right ascension: whole hours, whole minutes, seconds
    double RaMinutes = 0;
    double RaSeconds = 0;
    std::string LineBreak;  // line terminator of the report

    double Pi = 0;         // the stored value of pi, 3.141592654, set by every calculation
    double Obliquity = 0;  // obliquity of the ecliptic, radians
    double SunDecl = 0;    // the sun's declination, radians
};

// Computes for the date (texts of year, month and day) and the universal time (texts of hours,
// minutes and seconds; empty or non-numeric texts count as 0) and returns the equation of time
// in minutes (apparent minus mean solar time). Fills `values`.
//
// A time outside 0..24 h carries whole days into the day number (25:00 is 01:00 of day + 1;
// the month does not overflow, day 32 counts as the first of the next month). The fraction of
// the day enters the Julian day truncated to hundredths. Dates before 15 October 1582 are
// Julian. Throws numeric::NumericFailure for inputs so large that a result is not finite.
double EqTempo(const std::string& YYYY, std::string MM, std::string giorno, const std::string& ora,
               const std::string& minuti, const std::string& secondi, SolarValues& values);

}  // namespace board
