#include "board/solar_calculator.h"

#include <algorithm>
#include <cmath>

#include "board/number_text.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/parse.h"
#include "numeric/rounding.h"

namespace board {

namespace {

using geometry::kStoredPi;

// The last two characters of "00" followed by the text: "7" -> "07", "123" -> "23".
std::string lastTwo(const std::string& text) {
    const std::string padded = "00" + text;
    return padded.substr(padded.size() - 2);
}

std::string twoDigits(double n) {
    const int k = static_cast<int>(n);  // 0..99
    return std::string(1, static_cast<char>('0' + k / 10)) + static_cast<char>('0' + k % 10);
}

}  // namespace

double EqTempo(const std::string& YYYY, std::string MM, std::string giorno, const std::string& ora,
               const std::string& minuti, const std::string& secondi, SolarValues& v) {
    v.Pi = kStoredPi;
    const double Pi = v.Pi;

    // Hours of the day; whole days carry into the day number, so that the day fraction below
    // always has two digits (24:00 is 00:00 of the next day).
    const auto [t, carry] = numeric::foldKeepingLowerEnd(
        numeric::checkFinite(numeric::parseNumber(ora) + numeric::parseNumber(minuti) / 60 +
                             numeric::parseNumber(secondi) / 3600),
        12);

    MM = lastTwo(MM);
    giorno = lastTwo(carry == 0 ? giorno : generalText(numeric::parseNumber(giorno) + carry));

    // The day with its fraction truncated to hundredths of a day.
    const std::string sDay = giorno + "." + twoDigits(std::min(Int(t / 24 * 100), 99.0));
    const double Dm = numeric::parseNumber(sDay) - 1524.5;

    const double year = numeric::parseNumber(YYYY);
    const double month = numeric::parseNumber(MM);
    // January and February count as the months 13 and 14 of the year before.
    const double Y = month > 2 ? year : year - 1;
    const double Mo = month > 2 ? month : month + 12;
    const double A = Int(Y / 100);
    double B = 2 - A + Int(A / 4);
    // Before 15 October 1582 the calendar is Julian: the date as the number yyyymm.ddff.
    if (numeric::parseNumber(YYYY + MM + sDay) / 100 < 158210.15) B = 0;

    v.JulianDay = numeric::checkFinite(Int(365.25 * (Y + 4716)) + Int(30.6001 * (Mo + 1)) + B + Dm);

    const double T = (v.JulianDay - 2415020.0) / 36525.0;
    const double eps =
        (23.452294 - 0.0130125 * T - 1.64e-6 * T * T + 5.03e-7 * T * T * T) * Pi / 180;
    v.Obliquity = numeric::checkFinite(eps);
    const double y = std::pow(std::tan(eps / 2), 2);

    double L0 = 279.69668 + 36000.76892 * T + 0.0003025 * T * T;
    double M = 358.47583 + 35999.04975 * T - 0.00015 * T * T - 3.3e-6 * T * T * T;
    const double e = 0.01675104 - 4.18e-5 * T - 1.26e-7 * T * T;
    L0 = L0 * Pi / 180;
    M = M * Pi / 180;

    const double E = y * std::sin(2 * L0) - 2 * e * std::sin(M) +
                     4 * e * y * std::sin(M) * std::cos(2 * L0) - 0.5 * y * y * std::sin(4 * L0) -
                     1.25 * e * e * std::sin(2 * M);
    const double Et = numeric::checkFinite(E * 180 / Pi * 4);
    v.EotMinutes = Int(std::fabs(Et)) * numeric::sgn(Et);
    v.EotFraction = Et - v.EotMinutes;

    const double Qc = (1.91946 - 0.004789 * T - 1.4e-5 * T * T) * std::sin(M) +
                      (0.020094 - 0.0001 * T) * std::sin(2 * M) + 0.000293 * std::sin(3 * M);

    L0 = numeric::foldKeepingLowerEnd(L0 * 180 / Pi, 180).angle;
    const double lambdaDeg = L0 + Qc;

    const double sinDelta = std::sin(eps) * std::sin(lambdaDeg * Pi / 180);
    v.SunDecl = numeric::checkFinite(std::atan(sinDelta / std::sqrt(1 - sinDelta * sinDelta)));

    // Right ascension by the reduction to the equator.
    const double lambda = lambdaDeg * Pi / 180;
    const double f = (std::cos(eps) - 1) / (std::cos(eps) + 1);
    const double alpha = lambda + f * std::sin(2 * lambda) + f * f / 2 * std::sin(4 * lambda) +
                         f * f * f / 3 * std::sin(6 * lambda) +
                         f * f * f * f / 4 * std::sin(8 * lambda);
    // The true longitude runs a little past 360 degrees in the days after the spring equinox:
    // the right ascension is brought back into 0..24 h.
    const double RAh =
        numeric::foldKeepingLowerEnd(numeric::checkFinite(alpha * 12 / Pi), 12).angle;
    v.RaHours = Int(RAh);
    v.RaMinutes = Int(frac(RAh) * 60);
    v.RaSeconds = frac(frac(RAh) * 60) * 60;
    return Et;
}

}  // namespace board
