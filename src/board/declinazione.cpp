#include "board/declinazione.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "board/board_box.h"
#include "board/degree_conversion.h"
#include "board/number_text.h"
#include "board/sexagesimal.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/rounding.h"

namespace board {

namespace {

// The sine and cosine of the latitude.
struct LatitudeTrig {
    double sin, cos;
};

// Azimuth of the sun from the south through the west, [0, 2 Pi). Where the denominator
// vanishes the sun stands due west (sin H > 0) or due east (sin H < 0); at the zenith
// (both zero) the azimuth is taken as 0.
double sunAzimuth(double H, LatitudeTrig phi, double delta, double Pi) {
    const double y = std::sin(H);
    const double x = std::cos(H) * phi.sin - phi.cos * std::tan(delta);
    if (x != 0) return numeric::Atn2(y, x, Pi);
    if (y > 0) return Pi / 2;
    if (y < 0) return 3 * Pi / 2;
    return 0;
}

// Half the arc of the day in radians as the board tells sunrise and sunset (not the dials' day,
// geometry::semiDiurnalArc, which ends where the sun's centre meets the horizon): the hour angle
// at which the sun's upper limb, refracted, meets the horizon (altitude -50'). 0 when the sun
// stays down, Pi when it stays up.
struct DayArc {
    double H0;
    bool alwaysDown;
    bool alwaysUp;
};

DayArc refractedDayArc(LatitudeTrig phi, double delta, double Pi) {
    const double numerator = -0.01454 - phi.sin * std::sin(delta);
    const double denominator = phi.cos * std::cos(delta);
    if (denominator == 0) {
        // At the pole itself: the sun is up all day when it stands above -50'.
        return numerator < 0 ? DayArc{Pi, false, true} : DayArc{0, true, false};
    }
    const double cosH0 = numerator / denominator;
    if (std::fabs(cosH0) >= 1) return cosH0 > 0 ? DayArc{0, true, false} : DayArc{Pi, false, true};
    return {numeric::ArcCos(cosH0, Pi), false, false};
}

}  // namespace

double boardAzimuth(bool southernLatitude, double fromSouth) {
    return foldDegrees(southernLatitude ? 180 - fromSouth : fromSouth);
}

double wallDeclination(double lat, double AZ, double az) {
    const double hemisphere = lat < 0 ? -1 : 1;
    return foldDegrees(AZ - hemisphere * az);
}

std::string placeRefusal(const BoardInputs& in) {
    const CoordinateTexts latitude{{}, in.txtLAT, in.txtLatG, in.txtLatP, in.txtLATS};
    const CoordinateTexts longitude{{}, in.txtLON, in.txtLonG, in.txtLonP, in.txtLonS};
    const std::string why = coordinateRefusal(true, in.sexagesimal, latitude);
    return why.empty() ? coordinateRefusal(false, in.sexagesimal, longitude) : why;
}

Report Declinazione(const BoardInputs& in, SolarValues& v, std::string_view sep) {
    auto g = [sep](double x) { return generalText(x, sep); };
    auto F4 = [sep](double x) { return fixedText(x, 4, sep); };

    // Every box is read before anything is computed; the first that holds no number is named.
    if (std::string refusal = placeRefusal(in); !refusal.empty()) return {{}, {}, refusal};
    double lat = 0, lon = 0, az = 0, zone = 0, day = 0, month = 0, year = 0, hh = 0, mm = 0,
           ss = 0;
    for (const auto& [named, text, value] :
         {std::tuple{"the Latitude box", &in.txtLAT, &lat},
          {"the Longitude box", &in.txtLON, &lon},
          {"the day box of the Date (dd,mm,yyyy)", &in.txtDay, &day},
          {"the month box of the Date (dd,mm,yyyy)", &in.txtMonth, &month},
          {"the year box of the Date (dd,mm,yyyy)", &in.txtYear, &year},
          {"the hours box of the UT (hh,mm,ss)", &in.txtHH, &hh},
          {"the minutes box of the UT (hh,mm,ss)", &in.txtMM, &mm},
          {"the seconds box of the UT (hh,mm,ss)", &in.txtSS, &ss},
          {"the Standard Time Zone box", &in.TxtFuso, &zone},
          {"the Angle az box", &in.txtAngle, &az}}) {
        numeric::BoxNumber read = readBoardBox(named, *text, value == &lat);
        if (!read.refusal.empty()) return {{}, {}, std::move(read.refusal)};
        *value = read.value;
    }
    const double dst = in.ckDST == 1 ? 1 : 0;
    const double UT = numeric::checkFinite(hh + mm / 60 + ss / 3600);

    // The date and the time go on as the numbers read, written plainly: the calculation takes
    // the date's parts as texts, and a "1e1" month or a "2024.0" year is the number it holds.
    const double Et = EqTempo(generalText(year), generalText(month), generalText(day),
                              generalText(hh), generalText(mm), generalText(ss), v);
    const double Pi = v.Pi;
    const double delta = v.SunDecl;
    const double deltaDeg = delta * 180 / Pi;

    // With the stored Pi, 90 degrees is a hair more than a right angle and its cosine -2e-10: no
    // latitude lies beyond the pole, so the cosine is never taken below 0, and at +-90 the pole
    // is the pole.
    const double phi = lat * Pi / 180;
    const LatitudeTrig trig{std::sin(phi), std::max(0.0, std::cos(phi))};

    const double Lh = -(4 * lon) / 60;

    const double declRounded = numeric::roundHalfEven(deltaDeg, 3);
    const std::string sunDeclination = (declRounded < 0 ? "" : " ") + generalText(declRounded, ".");

    // Local apparent time and the hour angle. A time past 24 h or before 0 is brought back by
    // whole days, however many (a longitude beyond a turn, or a time typed past a day, takes
    // more than one), so that the hour angle stays within a half turn; 0 to 24 stays as it is.
    double Ts = numeric::checkFinite(UT + Lh + Et / 60);
    if (Ts > 24 || Ts < 0) Ts = 12 + numeric::foldKeepingUpperEnd(Ts - 12, 12);
    const double Hd = numeric::checkFinite((Ts - 12) * 15);
    const double H = Hd * Pi / 180;

    // Angles within (-180, 180] as shown with four decimals: -180.0000 is shown as 180.0000.
    auto shown = [](double degrees) { return numeric::foldShownKeepingUpperEnd(degrees, 180, 4); };
    const double Az = shown(boardAzimuth(lat < 0, sunAzimuth(H, trig, delta, Pi) * 180 / Pi));
    const double s = std::clamp(
        trig.sin * std::sin(delta) + trig.cos * std::cos(delta) * std::cos(H), -1.0, 1.0);
    const double h = numeric::ArcSin(s, Pi);

    // The side follows the figure shown: a wall that reads 0.0000 faces south (or north).
    const std::string Dw = F4(shown(wallDeclination(lat, Az, az)));
    const char* direction = Dw.front() == '-' ? "East" : "West";

    const double N = numeric::checkFinite(12 - (Lh + Et / 60) - zone);
    const DayArc arc = refractedDayArc(trig, delta, Pi);
    const double Ld = arc.H0 * 24 / Pi;
    const double sunset = N + Ld / 2;
    const double sunrise = N - Ld / 2;

    // Whole units, minutes and seconds of the rounded total, with the gap the line uses.
    auto parts = [&g](const Sexagesimal& x, const char* gap) {
        return g(x.whole) + gap + g(x.minutes) + gap + g(x.seconds);
    };
    // Clock times are times of day: summer time and the zone may carry them past midnight.
    auto clock = [&](double hours, const char* gap) { return parts(timeOfDay(dst + hours), gap); };

    // The longitude shown unsigned, after its sign, in degrees and in hours of time.
    const Sexagesimal lonParts = splitSexagesimal(lon, 0);
    const Sexagesimal lonTime = splitSexagesimal(lon / 15, 0);
    const std::string lonSign = lon < 0 ? "-" : " ";

    // The equation of time in minutes and seconds to the hundredth, both with its sign.
    const Sexagesimal eot = splitSexagesimal(Et / 60, 2);
    const double eotMinutes = (eot.whole * 60 + eot.minutes) * numeric::sgn(Et);
    const double eotSeconds = eot.seconds * numeric::sgn(Et);
    const double RAh = v.RaHours + v.RaMinutes / 60 + v.RaSeconds / 3600;

    const std::string& br = v.LineBreak;
    std::string r;
    r += "Sun's Azimuth   " + F4(Az) + br;
    r += "Declination of the dial: " + Dw + "    " + direction + br;
    r += "Equation of time: " + g(eotMinutes) + "  " + fixedText(eotSeconds, 2, sep) +
         "       " + F4(Et) + br + br;
    r += "Latitude:   " + parts(GradiDecToSex(lat, 0), "   ") + br;
    r += "Longitude: " + lonSign + parts(lonParts, "   ") + br + br;
    r += "Longitude of the standard meridian:  " + g(zone * 15) + br;
    r += "Local longitude in h m s  " + lonSign + parts(lonTime, " : ") + br + br;
    r += "time of the dial:  " + parts(timeOfDay(Ts), "   ") + br;
    r += "noon:  " + clock(N, "   ") + br;
    r += "hour angle:   " + F4(Hd) + br + br;
    r += "Right Ascension : " + parts(timeOfDay(RAh), "   ") + br;
    r += "declination of the sun:  " + F4(deltaDeg) + br;
    r += "height of the sun: " + F4(h * 180 / Pi) + br;
    r += "Julian Day: " + g(v.JulianDay) + br + br;
    r += "Daily Arc:      " + parts(splitSexagesimal(Ld, 0), "   ") + br;
    if (arc.alwaysDown) {
        r += "no sunrise  ";
    } else if (arc.alwaysUp) {
        r += "no sunset  ";
    } else {
        r += "sunrise at:   " + clock(sunrise, "  ") + br;
        r += "sunset at:   " + clock(sunset, "  ");
    }
    return {r, sunDeclination, {}};
}

}  // namespace board
