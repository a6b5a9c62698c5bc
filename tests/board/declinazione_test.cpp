// The board's report: the sun's place, the wall's declination, noon, sunrise and sunset.

#include "board/declinazione.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "numeric/failure.h"

namespace {

using board::BoardInputs;

BoardInputs place(const std::string& lat, const std::string& lon, const std::string& zone) {
    BoardInputs in;
    in.txtLAT = lat;
    in.txtLON = lon;
    in.TxtFuso = zone;
    in.txtAngle = "0";
    in.txtDay = "21";
    in.txtMonth = "6";
    in.txtYear = "2024";
    in.txtHH = "12";
    in.txtMM = "0";
    in.txtSS = "0";
    return in;
}

std::vector<std::string> lines(const BoardInputs& in, const std::string& separator = ".") {
    board::SolarValues v;
    v.LineBreak = "\n";
    std::istringstream text(board::Declinazione(in, v, separator).text);
    std::vector<std::string> out;
    for (std::string line; std::getline(text, line);) out.push_back(line);
    return out;
}

// The line that starts with the label.
std::string line(const std::vector<std::string>& report, const std::string& label) {
    for (const std::string& l : report)
        if (l.rfind(label, 0) == 0) return l;
    return "(no line " + label + ")";
}

// The number after the label.
double value(const std::vector<std::string>& report, const std::string& label) {
    return std::stod(line(report, label).substr(label.size()));
}

// Hours, minutes, seconds after the label as decimal hours.
double hours(const std::vector<std::string>& report, const std::string& label) {
    std::istringstream in(line(report, label).substr(label.size()));
    double h = 0, m = 0, s = 0;
    in >> h >> m >> s;
    return h + m / 60 + s / 3600;
}

TEST(Report, SouthernEasternPlaceLineByLine) {
    const std::vector<std::string> r = lines(place("-45.7438", "-7.6438", "-1"));
    ASSERT_EQ(r.size(), 22u);
    EXPECT_EQ(r[0], "Sun's Azimuth   7.0160");
    EXPECT_EQ(r[1], "Declination of the dial: 7.0160    West");
    EXPECT_EQ(r[2], "Equation of time: -1  -55.51       -1.9252");
    EXPECT_EQ(r[3], "");
    EXPECT_EQ(r[4], "Latitude:   -45   -44   -37");
    EXPECT_EQ(r[5], "Longitude: -7   38   37");
    EXPECT_EQ(r[7], "Longitude of the standard meridian:  -15");
    EXPECT_EQ(r[8], "Local longitude in h m s  -0 : 30 : 34");
    EXPECT_EQ(r[10], "time of the dial:  12   28   39");
    // 12 h 29 min 26 s minus the equation of time, in Central European Time.
    EXPECT_EQ(r[11], "noon:  12   31   20");
    EXPECT_EQ(r[12], "hour angle:   7.1625");
    EXPECT_EQ(r[14], "Right Ascension : 6   2   39");
    EXPECT_EQ(r[15], "declination of the sun:  23.4347");
    EXPECT_EQ(r[17], "Julian Day: 2460483");
    EXPECT_EQ(r[19], "Daily Arc:      8   40   14");
    EXPECT_EQ(r[20], "sunrise at:   8  11  13");
    EXPECT_EQ(r[21], "sunset at:   16  51  28");
}

TEST(Report, SunriseAndSunsetAtGreenwichOnTheSolsticeMatchTheAlmanac) {
    // Published: sunrise 03:43, sunset 20:21 UT on 21 June 2024; 04:43 and 21:21 in summer time.
    BoardInputs in = place("51.4769", "0.0005", "0");
    EXPECT_NEAR(hours(lines(in), "sunrise at:"), 3 + 43.0 / 60, 1.0 / 60);
    EXPECT_NEAR(hours(lines(in), "sunset at:"), 20 + 21.0 / 60, 1.0 / 60);
    in.ckDST = 1;
    const std::vector<std::string> summer = lines(in);
    EXPECT_NEAR(hours(summer, "sunrise at:"), 4 + 43.0 / 60, 1.0 / 60);
    EXPECT_NEAR(hours(summer, "sunset at:"), 21 + 21.0 / 60, 1.0 / 60);
    EXPECT_NEAR(hours(summer, "noon:"), 13 + 2.0 / 60, 1.0 / 60);
    // The hour angle and the dial ignore summer time.
    EXPECT_EQ(line(summer, "time of the dial:"),
              line(lines(place("51.4769", "0.0005", "0")), "time of the dial:"));
}

TEST(Report, PolarDayAndNight) {
    const std::vector<std::string> june = lines(place("80", "0", "0"));
    EXPECT_EQ(june.back(), "no sunset  ");
    EXPECT_EQ(line(june, "Daily Arc:"), "Daily Arc:      24   0   0");
    BoardInputs december = place("80", "0", "0");
    december.txtMonth = "12";
    const std::vector<std::string> winter = lines(december);
    EXPECT_EQ(winter.back(), "no sunrise  ");
    EXPECT_EQ(line(winter, "Daily Arc:"), "Daily Arc:      0   0   0");
}

TEST(Report, WallDeclinationFromTheMeasuredAngleInBothHemispheres) {
    // Northern: d = AZ - az; southern: d = AZ + az; on the equator az does not enter.
    BoardInputs north = place("45", "0", "0");
    north.txtHH = "15";
    const double AZ = value(lines(north), "Sun's Azimuth");
    EXPECT_GT(AZ, 0);  // afternoon: west of south
    EXPECT_EQ(value(lines(north), "Declination of the dial:"), AZ);
    north.txtAngle = "20";
    EXPECT_NEAR(value(lines(north), "Declination of the dial:"), AZ - 20, 1e-4);
    north.txtAngle = "80";
    EXPECT_NE(line(lines(north), "Declination of the dial:").find("East"), std::string::npos);

    BoardInputs south = place("-45", "0", "0");
    south.txtHH = "15";
    south.txtAngle = "20";
    const std::vector<std::string> r = lines(south);
    EXPECT_GT(value(r, "Sun's Azimuth"), 0);  // afternoon: west of north
    EXPECT_NEAR(value(r, "Declination of the dial:"), value(r, "Sun's Azimuth") + 20, 1e-4);

    BoardInputs equator = place("0", "0", "0");
    equator.txtHH = "9";
    const double before = value(lines(equator), "Declination of the dial:");
    equator.txtAngle = "35";
    EXPECT_EQ(value(lines(equator), "Declination of the dial:"), before);
    // Measured from the north: in June the morning sun stands north-east, east negative.
    EXPECT_LT(before, 0);
    EXPECT_GT(before, -90);
}

TEST(Report, RegionalSeparatorAndTheDeclinationText) {
    const BoardInputs in = place("-45.7438", "-7.6438", "-1");
    const std::vector<std::string> r = lines(in, ",");
    EXPECT_EQ(r[0], "Sun's Azimuth   7,0160");
    EXPECT_EQ(r[2], "Equation of time: -1  -55,51       -1,9252");

    board::SolarValues v;
    EXPECT_EQ(board::Declinazione(in, v, ",").sunDeclination, " 23.435");
    BoardInputs winter = in;
    winter.txtMonth = "12";
    EXPECT_EQ(board::Declinazione(winter, v, ",").sunDeclination, "-23.436");
}

TEST(Report, EmptyBoxesGiveAFullReportAndAbsurdOnesFail) {
    BoardInputs empty;
    const std::vector<std::string> r = lines(empty);
    EXPECT_EQ(r.size(), 22u);
    EXPECT_EQ(line(r, "Latitude:"), "Latitude:   0   0   0");
    EXPECT_EQ(line(r, "Julian Day:"), "Julian Day: 1721025.5");
    BoardInputs huge = place("45", "1e308", "0");
    board::SolarValues v;
    EXPECT_THROW(board::Declinazione(huge, v, "."), numeric::NumericFailure);
}

}  // namespace
