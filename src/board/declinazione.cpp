#include "board/declinazione.h"

#include <algorithm>
#include <cmath>

#include "board/number_text.h"
#include "numeric/checked.h"
#include "numeric/parse.h"
#include "numeric/rounding.h"

namespace board {

namespace {

// Whole units, whole minutes and whole seconds (each part toward minus infinity).
struct Sexagesimal {
    double whole, minutes, seconds;
};

Sexagesimal split(double x) {
    const double minutes = frac(x) * 60;
    return {Int(x), Int(minutes), Int(frac(minutes) * 60)};
}

// Azimuth of the sun from the south through the west, [0, 2 Pi). Where the denominator
// vanishes the sun stands due west (sin H > 0) or due east (sin H < 0); at the zenith
// (both zero) the azimuth is taken as 0.
double sunAzimuth(double H, double phi, double delta, double Pi) {
    const double y = std::sin(H);
    const double x = std::cos(H) * std::sin(phi) - std::cos(phi) * std::tan(delta);
    if (x != 0) return numeric::Atn2(y, x, Pi);
    if (y > 0) return Pi / 2;
    if (y < 0) return 3 * Pi / 2;
    return 0;
}

// Half the arc of the day in radians: the hour angle at which the sun's upper limb, refracted,
// meets the horizon (altitude -50'). 0 when the sun stays down, Pi when it stays up.
struct DayArc {
    double H0;
    bool alwaysDown;
    bool alwaysUp;
};

DayArc semiDiurnalArc(double phi, double delta, double Pi) {
    const double numerator = -0.01454 - std::sin(phi) * std::sin(delta);
    const double denominator = std::cos(phi) * std::cos(delta);
    if (denominator == 0) {
        // At the pole itself: the sun is up all day when it stands above -50'.
        return numerator < 0 ? DayArc{Pi, false, true} : DayArc{0, true, false};
    }
    const double cosH0 = numerator / denominator;
    if (std::fabs(cosH0) >= 1) return cosH0 > 0 ? DayArc{0, true, false} : DayArc{Pi, false, true};
    return {numeric::ArcCos(cosH0, Pi), false, false};
}

}  // namespace

Report Declinazione(const BoardInputs& in, SolarValues& v, std::string_view sep) {
    auto num = [](const std::string& text) { return numeric::parseNumber(text); };
    auto g = [sep](double x) { return generalText(x, sep); };
    auto F4 = [sep](double x) { return fixedText(x, 4, sep); };
    auto F2 = [sep](double x) { return fixedText(x, 2, sep); };

    const double lat = num(in.txtLAT);
    const double lon = num(in.txtLON);
    const double az = num(in.txtAngle);
    const double zone = num(in.TxtFuso);
    const double dst = in.ckDST == 1 ? 1 : 0;
    const double UT =
        numeric::checkFinite(num(in.txtHH) + num(in.txtMM) / 60 + num(in.txtSS) / 3600);

    const double Et = EqTempo(in.txtYear, in.txtMonth, in.txtDay, in.txtHH, in.txtMM, in.txtSS, v);
    const double Pi = v.Pi;
    const double delta = v.SunDecl;
    const double deltaDeg = delta * 180 / Pi;

    const double phi = lat * Pi / 180;
    const Sexagesimal latParts = split(std::fabs(lat));
    const Sexagesimal lonParts = split(std::fabs(lon));

    const double Lh = -(4 * lon) / 60;

    const double declRounded = numeric::roundHalfEven(deltaDeg, 3);
    const std::string sunDeclination = (declRounded < 0 ? "" : " ") + generalText(declRounded, ".");

    // Local apparent time and the hour angle.
    double Ts = numeric::checkFinite(UT + Lh + Et / 60);
    if (Ts > 24) Ts -= 24;
    if (Ts < 0) Ts += 24;
    const double Hd = numeric::checkFinite((Ts - 12) * 15);
    const double H = Hd * Pi / 180;
    const Sexagesimal dial = split(Ts);

    // Azimuth: from the south, west positive, in the northern hemisphere; from the north,
    // west positive, in the southern one and on the equator.
    double Az = sunAzimuth(H, phi, delta, Pi) * 180 / Pi;
    if (lat > 0) {
        if (Az > 180) Az -= 360;
    } else {
        Az += 180;
        if (Az > 180) Az = 360 - Az;
    }

    const double s = std::clamp(
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H), -1.0, 1.0);
    const double h = numeric::ArcSin(s, Pi);

    const double Dw = Az - Sgn(lat) * az;
    const char* direction = Dw < 0 ? "East" : "West";

    double lonMin = 0, lonSec = 0;
    const double lonHours = DegreesToHMS(std::fabs(lon), lonMin, lonSec);
    const std::string lonSign = lon < 0 ? "-" : " ";

    const double N = numeric::checkFinite(12 - (Lh + Et / 60) - zone);
    const DayArc arc = semiDiurnalArc(phi, delta, Pi);
    const double Ld = arc.H0 * 24 / Pi;
    const double sunset = N + Ld / 2;
    const double sunrise = N - Ld / 2;

    const Sexagesimal noon = split(N);
    const Sexagesimal rise = split(sunrise);
    const Sexagesimal set = split(sunset);
    const Sexagesimal length = split(Ld);
    const double latSign = Sgn(lat);

    const std::string& br = v.LineBreak;
    std::string r;
    r += "Sun's Azimuth   " + F4(Az) + br;
    r += "Declination of the dial: " + F4(Dw) + "    " + direction + br;
    r += "Equation of time: " + g(v.EotMinutes) + "  " + F2(v.EotFraction * 60) + "       " +
         F4(Et) + br + br;
    r += "Latitude:   " + g(latParts.whole * latSign) + "   " + g(latParts.minutes * latSign) +
         "   " + g(latParts.seconds * latSign) + br;
    r += "Longitude: " + lonSign + g(lonParts.whole) + "   " + g(lonParts.minutes) + "   " +
         g(lonParts.seconds) + br + br;
    r += "Longitude of the standard meridian:  " + g(zone * 15) + br;
    r += "Local longitude in h m s  " + lonSign + g(lonHours) + " : " + g(lonMin) + " : " +
         g(Int(lonSec)) + br + br;
    r += "time of the dial:  " + g(dial.whole) + "   " + g(dial.minutes) + "   " + g(dial.seconds) +
         br;
    r += "noon:  " + g(dst + noon.whole) + "   " + g(noon.minutes) + "   " + g(noon.seconds) + br;
    r += "hour angle:   " + F4(Hd) + br + br;
    r += "Right Ascension : " + g(v.RaHours) + "   " + g(v.RaMinutes) + "   " +
         g(Int(v.RaSeconds)) + br;
    r += "declination of the sun:  " + F4(deltaDeg) + br;
    r += "height of the sun: " + F4(h * 180 / Pi) + br;
    r += "Julian Day: " + g(v.JulianDay) + br + br;
    r += "Daily Arc:      " + g(length.whole) + "   " + g(length.minutes) + "   " +
         g(length.seconds) + br;
    if (arc.alwaysDown) {
        r += "no sunrise  ";
    } else if (arc.alwaysUp) {
        r += "no sunset  ";
    } else {
        r += "sunrise at:   " + g(dst + rise.whole) + "  " + g(rise.minutes) + "  " +
             g(rise.seconds) + br;
        r += "sunset at:   " + g(dst + set.whole) + "  " + g(set.minutes) + "  " + g(set.seconds);
    }
    return {r, sunDeclination};
}

}  // namespace board
