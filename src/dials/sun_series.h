#pragma once
// The sun through the year by a short series in its mean longitude: the declination and the
// equation of time that every analemma of the system draws. One series, used by each of them:
//
//   const SunSeries sun = sunForDay(t, analemmaObliquityRad(m.Pi), m.Pi);   // t: degrees
//   double delta = sun.declination;            // radians, north positive
//   double eot = sun.equationOfTime();         // radians of hour angle, Ec - Q
//
// The series: the equation of the centre Ec (three harmonics of the mean longitude L), the true
// longitude lambda = L + Ec, the declination from sin(delta) = sin(lambda) sin(obliquity), and
// the reduction to the equator Q (three harmonics of twice, four and six times the longitude).
// The right ascension of the true sun is L + Ec - Q, so the apparent sun stands Ec - Q of hour
// angle east of the mean sun: hour angle of the true sun = hour angle of the mean sun - (Ec - Q)
// (hour angles positive towards the west).

namespace dials {

// The value of pi the analemmas compute with, which the programmes that draw one keep for the
// rest of their run.
inline constexpr double kAnalemmaPi = 3.1415926536;

// The obliquity of the ecliptic the analemmas use, 23 degrees 26' 47".
inline constexpr double kAnalemmaObliquityDeg = 23.0 + 26.0 / 60 + 47.0 / 3600;

// The sun's mean longitude gained in one mean day, degrees.
inline constexpr double kMeanDayDeg = 360 / 365.2422;

struct SunSeries {
    double equationOfCentre = 0;    // Ec, radians: true minus mean longitude
    double declination = 0;         // delta, radians, north positive
    double reductionToEquator = 0;  // Q, radians

    // Ec - Q: how far the true sun stands east of the mean sun, radians of hour angle. Apparent
    // minus mean solar time is minus this; it runs from about -16.4 to +14.4 minutes of time.
    double equationOfTime() const { return equationOfCentre - reductionToEquator; }
};

// The sun at a mean longitude (degrees; 0 at the mean spring equinox, one mean day per
// kMeanDayDeg), for an obliquity in radians, with degrees turned to radians by the given pi (the
// programmes' stored Pi). Throws numeric::NumericFailure only for an argument that is not finite.
SunSeries sunForDay(double meanLongitudeDeg, double obliquityRad, double pi);

// The obliquity every analemma takes, in radians by the programme's pi.
double analemmaObliquityRad(double pi);

}  // namespace dials
