// The board's report: the sun's place, the wall's declination, noon, sunrise and sunset.

#include "board/declinazione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "board/az_sheet.h"
#include "dials/spherical/spherical.h"
#include "numeric/failure.h"
#include "support/dial_fixture.h"
#include "support/oracle_sky.h"

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

std::string decimal(double x) {
    std::ostringstream out;
    out << std::setprecision(12) << x;
    return out.str();
}

// Hours, minutes and seconds after the label, each checked to be a time of day.
void expectTimeOfDay(const std::vector<std::string>& report, const std::string& label) {
    std::istringstream in(line(report, label).substr(label.size()));
    double h = -1, m = -1, s = -1;
    in >> h >> m >> s;
    EXPECT_TRUE(h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60)
        << line(report, label);
}

// The face of a wall whose declination is typed into the main window, as its programmes take
// it: degrees from the south, west positive (the vertical programme by spherical trigonometry
// turns a southern declination, counted from the north, into that).
double faceTakenByMainWindow(double lat, double declination) {
    dialtest::ProgrammeDial dial("mnuVertSph",
                                 {{"txtLAT", decimal(lat)}, {"txtDecl", decimal(declination)}});
    dials::spherical::ReadInputsVertSph(dial.ctx());
    return dial.m().DeclDegrees;
}

TEST(Report, SouthernEasternPlaceLineByLine) {
    const std::vector<std::string> r = lines(place("-45.7438", "-7.6438", "-1"));
    ASSERT_EQ(r.size(), 22u);
    EXPECT_EQ(r[0], "Sun's Azimuth   7.0160");
    EXPECT_EQ(r[1], "Declination of the dial: 7.0160    West");
    EXPECT_EQ(r[2], "Equation of time: -1  -55.51       -1.9252");
    EXPECT_EQ(r[3], "");
    // Seconds are those of the total rounded to the second: 45 44 37.68 reads 45 44 38.
    EXPECT_EQ(r[4], "Latitude:   -45   -44   -38");
    EXPECT_EQ(r[5], "Longitude: -7   38   38");
    EXPECT_EQ(r[7], "Longitude of the standard meridian:  -15");
    EXPECT_EQ(r[8], "Local longitude in h m s  -0 : 30 : 35");
    EXPECT_EQ(r[10], "time of the dial:  12   28   39");
    // 12 h 29 min 26 s minus the equation of time, in Central European Time.
    EXPECT_EQ(r[11], "noon:  12   31   21");
    EXPECT_EQ(r[12], "hour angle:   7.1625");
    EXPECT_EQ(r[14], "Right Ascension : 6   2   39");
    EXPECT_EQ(r[15], "declination of the sun:  23.4347");
    EXPECT_EQ(r[17], "Julian Day: 2460483");
    EXPECT_EQ(r[19], "Daily Arc:      8   40   14");
    EXPECT_EQ(r[20], "sunrise at:   8  11  14");
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
    // Northern: d = AZ - az; southern: d = AZ + az; the equator counts as northern.
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
    EXPECT_NEAR(value(lines(equator), "Declination of the dial:"), before - 35, 1e-4);
    // Measured from the south, as the main window takes it at latitude 0: in June the morning
    // sun stands north-east, east negative and beyond 90.
    EXPECT_LT(before, -90);
    EXPECT_GT(before, -180);
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

TEST(Report, EmptyBoxesGiveAFullReportAndAbsurdOnesAreRefused) {
    BoardInputs empty;
    const std::vector<std::string> r = lines(empty);
    EXPECT_EQ(r.size(), 22u);
    EXPECT_EQ(line(r, "Latitude:"), "Latitude:   0   0   0");
    EXPECT_EQ(line(r, "Julian Day:"), "Julian Day: 1721025.5");
    BoardInputs huge = place("45", "1e308", "0");
    board::SolarValues v;
    EXPECT_EQ(board::Declinazione(huge, v, ".").refusal.rfind("the Longitude box holds", 0), 0u);
}

TEST(Report, ABoxThatHoldsNoNumberIsNamedAndNothingIsComputed) {
    struct Row {
        std::string BoardInputs::*box;
        const char *text, *named;
    };
    for (const Row& row : {Row{&BoardInputs::TxtFuso, "CET", "the Standard Time Zone box"},
                           {&BoardInputs::TxtFuso, "1,5", "the Standard Time Zone box"},
                           {&BoardInputs::txtLAT, "abc", "the Latitude box"},
                           {&BoardInputs::txtLON, "\u22127.5", "the Longitude box"},
                           {&BoardInputs::txtMonth, "Jun", "the month box of the Date"},
                           {&BoardInputs::txtSS, "inf", "the seconds box of the UT"},
                           {&BoardInputs::txtAngle, "12\u00b0", "the Angle az box"},
                           {&BoardInputs::txtLatP, "3O", "the minutes box of the Latitude"},
                           {&BoardInputs::txtLonS, "-", "the seconds box of the Longitude"},
                           // A number the main window's Run refuses is refused here too.
                           {&BoardInputs::txtLAT, "100", "the Latitude box"},
                           {&BoardInputs::TxtFuso, "1e300", "the Standard Time Zone box"},
                           {&BoardInputs::txtAngle, "-1e300", "the Angle az box"},
                           {&BoardInputs::txtHH, "1e15", "the hours box of the UT"},
                           {&BoardInputs::txtLatP, "1e300", "the Latitude in its degrees"}}) {
        BoardInputs in = place("45", "-7.5", "-1");
        in.sexagesimal = true;
        in.*row.box = row.text;
        board::SolarValues v;
        const board::Report r = board::Declinazione(in, v, ".");
        EXPECT_EQ(r.refusal.rfind(row.named, 0), 0u) << row.text << ": " << r.refusal;
        EXPECT_TRUE(r.text.empty() && r.sunDeclination.empty()) << row.text;
        EXPECT_EQ(v.JulianDay, 0) << row.text;
    }
    // Each box is the number it holds, however written.
    const std::vector<std::string> june = lines(place("45", "-7.5", "-1"));
    BoardInputs cet = place("45", "-7.5", "-1");
    for (const char* month : {"06", "6.", " 6 ", "6e0", "0.6E1"}) {
        cet.txtMonth = month;
        EXPECT_EQ(lines(cet), june) << month;
    }
    cet.txtYear = "2024.0";
    EXPECT_EQ(lines(cet), june);
}

TEST(Report, WallMeasuredAsTheInstructionsSayIsTheWallTheMainWindowDraws) {
    // Cape Town, a wall facing 25 degrees west of north; the sun stands 37.49 degrees west of
    // its perpendicular, to the left of one who looks out from the wall: az = -37.49.
    BoardInputs cape = place("-33.9", "-18.4", "-2");
    cape.txtDay = "21";
    cape.txtMonth = "12";
    cape.txtAngle = "-37.49";
    EXPECT_EQ(line(lines(cape), "Declination of the dial:"),
              "Declination of the dial: 24.9822    West");

    // Walls facing the pole. Buenos Aires, a wall facing 20 degrees west of south (160 West,
    // counted from the north); at five in the afternoon in December the sun stands 64.16
    // degrees west of its perpendicular, to the right of one who looks out from the wall.
    // Taken as east of p the sign turns, and so does the wall (31.67 West).
    BoardInputs buenosAires = place("-34.6037", "58.3816", "3");
    buenosAires.txtMonth = "12";
    buenosAires.txtHH = "20";
    buenosAires.txtAngle = "64.16";
    EXPECT_EQ(line(lines(buenosAires), "Declination of the dial:"),
              "Declination of the dial: 159.9901    West");
    EXPECT_NEAR(oracle::foldDegrees(faceTakenByMainWindow(-34.6037, 159.9901) - 20), 0, 0.01);
    buenosAires.txtAngle = "-64.16";
    EXPECT_EQ(line(lines(buenosAires), "Declination of the dial:"),
              "Declination of the dial: 31.6701    West");
    // Turin, a wall facing due north; early on a June morning the sun stands 62.8 degrees east
    // of its perpendicular, to the right of one who looks out from the wall. Taken as west of
    // p the sign turns, and so does the wall (54.39 East).
    BoardInputs turin = place("45.0703", "-7.6869", "-1");
    turin.txtHH = "4";
    turin.txtMM = "29";
    turin.txtSS = "10";
    turin.txtAngle = "62.8";
    EXPECT_EQ(line(lines(turin), "Declination of the dial:"),
              "Declination of the dial: -179.9948    East");
    EXPECT_NEAR(oracle::foldDegrees(faceTakenByMainWindow(45.0703, -179.9948) - 180), 0, 0.01);
    turin.txtAngle = "-62.8";
    EXPECT_EQ(line(lines(turin), "Declination of the dial:"),
              "Declination of the dial: -54.3948    East");

    // Walls facing every way, in both hemispheres and on the equator, at three hours: az from
    // the sun's true azimuth, positive when the sun stands to the right of the perpendicular;
    // the reported declination, typed into the main window, gives back the wall.
    for (double lat : {-60.0, -34.6037, -33.9, -10.0, 0.0, 10.0, 45.0703, 45.7438, 60.0}) {
        const oracle::Sky sky(lat);
        for (const char* hour : {"5", "8", "12", "16", "20"}) {
            BoardInputs in = place(decimal(lat), "0", "0");
            in.txtHH = hour;
            board::SolarValues v;
            v.LineBreak = "\n";
            board::Declinazione(in, v, ".");
            const double sun =
                sky.azimuth(value(lines(in), "hour angle:"), v.SunDecl * 180 / v.Pi);
            for (double face :
                 {-165.0, -150.0, -90.0, -40.0, -20.0, 0.0, 20.0, 25.0, 90.0, 155.0, 180.0}) {
                in.txtAngle = decimal(oracle::foldDegrees(sun - face));
                const std::vector<std::string> r = lines(in);
                const double d = value(r, "Declination of the dial:");
                const std::string where = "lat " + decimal(lat) + " at " + hour + " face " +
                                          decimal(face) + ": " + line(r, "Declination");
                EXPECT_GT(d, -180) << where;
                EXPECT_LE(d, 180) << where;
                EXPECT_NE(line(r, "Declination").find(d < 0 ? "East" : "West"), std::string::npos)
                    << where;
                EXPECT_NEAR(oracle::foldDegrees(faceTakenByMainWindow(lat, d) - face), 0, 0.01)
                    << where;
            }
        }
    }
}

TEST(Report, TheInstructionSketchesMarkWhatTheBoardComputes) {
    const std::vector<board::SheetCase> cases = board::sheetCases();
    int southern = 0;
    int facingThePole[2] = {0, 0};  // north, south
    for (const board::SheetCase& c : cases) {
        const double lat = c.south ? -33.9 : 45;
        southern += c.south;
        const bool facesNorth = std::fabs(oracle::foldDegrees(c.faceAzimuth)) > 90;
        facingThePole[c.south] += facesNorth != c.south;
        // The sketch's marks give its d through the board's rule, and that d, typed into the
        // main window, is the plate drawn.
        EXPECT_DOUBLE_EQ(board::wallDeclination(lat, c.AZ, c.az), c.d);
        EXPECT_NEAR(oracle::foldDegrees(faceTakenByMainWindow(lat, c.d) - c.faceAzimuth), 0, 1e-6);
        // az > 0: the sun to the right of p looking out along it (map: x east, y north).
        auto onMap = [](double fromSouth) {
            const double a = fromSouth * oracle::kStoredPi / 180;
            return std::pair{-std::sin(a), -std::cos(a)};
        };
        const auto [px, py] = onMap(c.faceAzimuth);
        const auto [sx, sy] = onMap(c.sunAzimuth);
        EXPECT_EQ(c.az > 0, px * sy - py * sx < 0) << c.AZ << " " << c.d;
        // AZ and d are counted from the south in the north, from the north in the south.
        EXPECT_NEAR(oracle::foldDegrees(c.south ? 180 - c.AZ : c.AZ) - c.sunAzimuth, 0, 1e-9);
    }
    EXPECT_GE(southern, 1);
    EXPECT_GE(static_cast<int>(cases.size()) - southern, 1);
    // Each hemisphere shows a plate facing the pole, where east and west of p swap sides.
    EXPECT_GE(facingThePole[0], 1);
    EXPECT_GE(facingThePole[1], 1);
}

TEST(Report, WallDeclinationStaysWithinHalfATurn) {
    // A wall facing 11.5 degrees east of north.
    BoardInputs in = place("45.7438", "-7.6438", "-1");
    in.txtHH = "18";
    in.txtAngle = "-80";
    EXPECT_EQ(line(lines(in), "Declination of the dial:"),
              "Declination of the dial: -168.4619    East");
    for (double az = -720; az <= 720; az += 37.3) {
        in.txtAngle = decimal(az);
        const std::vector<std::string> r = lines(in);
        const double d = value(r, "Declination of the dial:");
        EXPECT_GT(d, -180) << az;
        EXPECT_LE(d, 180) << az;
        EXPECT_NEAR(oracle::foldDegrees(d - (value(r, "Sun's Azimuth") - az)), 0, 1e-3) << az;
    }
    EXPECT_EQ(board::wallDeclination(45, 100, -80), 180);
    EXPECT_EQ(board::wallDeclination(-45, -100, -80), 180);
}

TEST(Report, AtThePolesTheSunCirclesAtItsDeclination) {
    for (const char* north : {"90", "89.9999"}) {
        const std::vector<std::string> june = lines(place(north, "0", "0"));
        EXPECT_EQ(june.back(), "no sunset  ") << north;
        EXPECT_NEAR(value(june, "height of the sun:"), 23.4347, 2e-4) << north;
        BoardInputs equinox = place(north, "0", "0");
        equinox.txtMonth = "3";
        equinox.txtDay = "20";
        // The sun's centre at +0.15 degrees: above -50', up all day.
        EXPECT_EQ(lines(equinox).back(), "no sunset  ") << north;
    }
    for (const char* south : {"-90", "-89.9999"}) {
        const std::vector<std::string> june = lines(place(south, "0", "0"));
        EXPECT_EQ(june.back(), "no sunrise  ") << south;
        EXPECT_NEAR(value(june, "height of the sun:"), -23.4347, 2e-4) << south;
        EXPECT_EQ(line(june, "Daily Arc:"), "Daily Arc:      0   0   0");
        BoardInputs december = place(south, "0", "0");
        december.txtMonth = "12";
        EXPECT_EQ(lines(december).back(), "no sunset  ") << south;
        // At the equinox the sun's centre, 0.15 degrees below the horizon, is above -50'.
        BoardInputs equinox = place(south, "0", "0");
        equinox.txtMonth = "3";
        equinox.txtDay = "20";
        EXPECT_EQ(lines(equinox).back(), "no sunset  ") << south;
    }
}

TEST(Report, SexagesimalFiguresAreThoseOfTheRoundedTotal) {
    BoardInputs cape = place("33.9", "-18.4", "0");
    const std::vector<std::string> r = lines(cape);
    EXPECT_EQ(line(r, "Latitude:"), "Latitude:   33   54   0");
    EXPECT_EQ(line(r, "Longitude:"), "Longitude: -18   24   0");
    EXPECT_EQ(line(r, "Local longitude"), "Local longitude in h m s  -1 : 13 : 36");
    // 12 29 00 entered in the sexagesimal boxes reaches the report as 12.48333.
    EXPECT_EQ(line(lines(place("-12.48333", "0", "0")), "Latitude:"),
              "Latitude:   -12   -29   0");
    // The equation of time of 14.0000 minutes: 14 minutes 0 seconds, not 13 minutes 60.
    BoardInputs november = place("45", "0", "0");
    november.txtMonth = "11";
    november.txtHH = "14";
    november.txtMM = "45";
    EXPECT_EQ(line(lines(november), "Equation of time:"),
              "Equation of time: 14  0.00       14.0000");
    BoardInputs january = place("45", "0", "0");
    january.txtYear = "2025";
    january.txtMonth = "1";
    january.txtDay = "11";
    january.txtHH = "11";
    january.txtMM = "30";
    EXPECT_EQ(line(lines(january), "Equation of time:"),
              "Equation of time: -8  0.00       -7.9999");
    // No latitude of tenths reads 60 seconds.
    for (int tenths = 1; tenths < 900; ++tenths) {
        const std::string lat = decimal(tenths / 10.0);
        std::istringstream in(line(lines(place(lat, "0", "0")), "Latitude:").substr(9));
        double d = 0, m = 0, s = 0;
        in >> d >> m >> s;
        EXPECT_NEAR(d + m / 60 + s / 3600, tenths / 10.0, 1e-9) << lat;
        EXPECT_LT(s, 60) << lat;
    }
}

TEST(Report, ClockTimesAreTimesOfDay) {
    // Tokyo on Greenwich time rises at 19:25 of the day before; on its own zone at 04:25.
    BoardInputs tokyo = place("35.68", "-139.69", "0");
    EXPECT_NEAR(hours(lines(tokyo), "sunrise at:"), 19 + 25.0 / 60, 2.0 / 60);
    tokyo.TxtFuso = "-9";
    EXPECT_NEAR(hours(lines(tokyo), "sunrise at:"), 4 + 25.0 / 60, 2.0 / 60);
    // Reykjavik on Greenwich time with summer time sets at about one in the morning.
    BoardInputs reykjavik = place("64.15", "21.94", "0");
    reykjavik.ckDST = 1;
    EXPECT_NEAR(hours(lines(reykjavik), "sunset at:"), 1 + 4.0 / 60, 5.0 / 60);
    // Any place on any zone: every clock time within the day, the hour angle within a half turn.
    for (const char* lon : {"-179.5", "-139.69", "0", "74.01", "179.5", "-900", "1e6"})
        for (const char* zone : {"-12", "-9", "0", "5", "12"})
            for (int dst : {0, 1}) {
                BoardInputs in = place("40", lon, zone);
                in.ckDST = dst;
                const std::vector<std::string> r = lines(in);
                for (const char* label : {"time of the dial:", "noon:", "sunrise at:", "sunset at:",
                                          "Right Ascension :"})
                    expectTimeOfDay(r, label);
                EXPECT_LE(std::fabs(std::stod(line(r, "hour angle:").substr(12))), 180) << lon;
            }
}

}  // namespace
