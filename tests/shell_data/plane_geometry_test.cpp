// The list's values for inclined and horizontal planes against the geometry of the plane.
// Expected values were worked out in the world frame (east, north, up): the plane's normal
// n = (-sin D cos R, -cos D cos R, sin R), its horizontal e1 = (cos D, -sin D, 0) and up-slope
// axis e2 = (sin D sin R, cos D sin R, cos R), the polar axis p = (0, cos lat, sin lat), the
// style tip at 0.2 n and the centre where the polar axis through the tip meets the plane; the
// equivalent vertical dial stands where e2 is the zenith (latitude asin(e2.p), longitude the
// hour angle of e2, declination from cos d1 = -n.p / cos f1). Angles use the stored Pi.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <regex>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data_fixture.h"
#include "numeric/format.h"
#include "shell/programme_menu.h"
#include "support/shadow_oracle.h"

namespace shelldata {
namespace {

class PlaneGeometry : public DataListTest {
protected:
    bool contains(const std::string& text) const {
        const auto all = texts();
        return std::find(all.begin(), all.end(), text) != all.end();
    }
    void expectLines(const std::vector<std::string>& lines) {
        for (const auto& line : lines) EXPECT_TRUE(contains(line)) << line;
    }
};

// The hours (local apparent time) between which the sun of a declination shines on the face of
// the plane and stands above the horizon, by the shadow oracle, to the hundredth of an hour. A
// glance shorter than that (a sun grazing the face) is no interval.
struct LitHours {
    double on, off;
};
std::vector<LitHours> litHours(const oracle::ShadowOracle& o, double declination) {
    std::vector<LitHours> out;
    bool before = false;
    for (int i = -18000; i <= 18000; ++i) {
        const auto s = o.shadow(i / 100.0, declination);
        // A sun in the plane of the face but for the stored Pi's residue grazes it: its shadow
        // falls a thousand kilometres off or more, on no dial.
        const bool lit = s && s->sunInFront && s->sunAboveHorizon &&
                         std::hypot(s->point.x, s->point.y) < 1e6;
        const double hour = 12 + i / 100.0 / 15;
        if (lit && !before) out.push_back({hour, hour});
        if (lit) out.back().off = hour;
        before = lit;
    }
    std::erase_if(out,
                  [](LitHours l) { return std::round(l.on * 100) == std::round(l.off * 100); });
    return out;
}

TEST_F(PlaneGeometry, TheSunIsOnTheDialWhenItShinesOnTheFace) {
    struct Case {
        double lat, decl, recl, sun;
        const char* programme = "M_Inclinati";
    };
    // A plane reclined beyond the vertical, a plane facing south inclined face down on the
    // equator (its substyle at midnight), a wall facing north south of the tropic (lit all day
    // when the sun passes north of the zenith), and ordinary planes.
    std::vector<Case> cases = {
        {45, 30, 120, 0}, {45, 30, 120, 15}, {45, 30, -120, 0}, {0, 0, -35, 15}, {11.5, 180, 0, 15},
        {-11.5, 180, 0, -15}, {45, 30, 20, 10}, {52, -40, 0, -20}, {40, 0, -60, 20},
        // The plane of the equator, facing the pole: typed as facing due north it meets the
        // stored Pi's sine of 180 degrees in its substyle.
        {45, 180, 45, 15}, {-30, 180, -30, -10},
        // Facing due north, reclined beyond the vertical: the equivalent vertical dial's cosine
        // of its declination is -1 but for rounding.
        {20.001, 180, 120, 0},
        // Faces the sun never reaches: nearly horizontal face down, inclined beyond the vertical
        // in the south, a wall facing the pole in the southern winter.
        {45, 0, -89.99, 27}, {-45, 30, 100, 27}, {-45, 180, 0, 27},
        // Faces whose window around the substyle hour wraps past midnight: lit after sunrise
        // and again before sunset.
        {45, 180, 0, 27}, {38, -20, -120, 27}, {-45, 180, 0, -20},
        // Under the midnight sun the day runs from 0 to 24 h: a window across midnight is lit
        // at both ends of it.
        {-68, 0, 0, -23.45}, {-68, 180, 30, -23.45},
        // The sun of the equinox in the plane of a face parallel to the equator: it grazes the
        // face all day, at the equator facing either way and at 45 N reclined to the equator.
        {0, 0, 0, 0}, {0, 180, 0, 0}, {45, 180, 45, 0}, {45, 0, -45, 0}, {45, 0, 135, 0},
        {-30, 180, -60, 0},
        // Polar planes (the centre at infinity), facing the pole from below and the equator from
        // above, in both hemispheres: lit before six and after six in summer, never in winter.
        {45, 180, -45, 27}, {45, 180, -45, -20}, {-45, 180, 45, -20}, {45, 0, 45, 10},
        {45, 0, -135, 27}, {0, 90, 30, 10, "M_nProiettivo"}, {45, 180, -45, 27, "M_Proiettivo"},
        // The other programmes that list these lines (walls for the vertical ones).
        {45, 180, 0, 27, "mnuVertSph"}, {-45, 180, 0, -20, "mnuVertSph"},
        {45, 150, 0, 27, "M_Light"}, {45, 180, 0, 10, "M_Frinter"}, {-45, 180, 0, -20, "M_Frinter"},
        {-45, 0, 60, 10, "mnuUni"}, {45, 150, -30, 27, "mnuUni"}, {45, 0, -100, 27, "M_Proiettivo"},
        {45, 30, 150, 27, "M_nProiettivo"}};
    // Both hemispheres; walls facing the equator, the pole, east and west; planes reclined and
    // inclined, beyond the vertical too; the horizontal dial typed either way; the sun of
    // summer and of winter, with a day of 24 hours at 68 N in summer and none at 68 S.
    const struct {
        double decl, recl;
    } planes[] = {{0, 0},    {180, 0},   {-90, 0},   {90, 0},  {30, 40},   {-150, 60}, {0, 120},
                  {150, 110}, {180, -30}, {60, -60}, {0, -120}, {-40, -150}, {0, 90},   {0, -90}};
    for (const double lat : {45.0, -45.0, 0.0, 68.0, -68.0})
        for (const auto& plane : planes)
            for (const double sun : {27.0, -20.0})
                cases.push_back({lat, plane.decl, plane.recl, sun});

    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.programme) + ", lat " + std::to_string(c.lat) + ", decl " +
                     std::to_string(c.decl) + ", recl " + std::to_string(c.recl) + ", sun " +
                     std::to_string(c.sun));
        device.forget();
        choose(c.programme);
        place(std::to_string(c.lat), "0", "0");
        wall(std::to_string(c.decl), std::to_string(c.recl));
        inputs.setText("txtlineofdeclination", std::to_string(c.sun));
        lastRun(c.lat);
        click();
        // Typed +-90 is the horizontal dial facing up in both hemispheres.
        const bool horizontal = std::fabs(c.recl) == 90;
        const double recl = horizontal ? (c.lat >= 0 ? 90 : -90) : c.recl;
        const oracle::ShadowOracle o =
            c.lat >= 0 ? oracle::ShadowOracle(c.lat, c.decl, recl, 0.2)
                       : oracle::ShadowOracle(c.lat, 180 - c.decl, -recl, 0.2);
        const auto lit = litHours(o, c.sun);
        // A window (one arc of the day's circle) meets the time above the horizon (another) in
        // at most two arcs.
        ASSERT_LE(lit.size(), 2u);
        std::vector<double> on, off;
        for (const auto& t : texts()) {
            if (t.rfind("Sun on dial at ", 0) == 0) on.push_back(std::stod(t.substr(15)));
            if (t.rfind("Sun off dial at ", 0) == 0) off.push_back(std::stod(t.substr(16)));
        }
        if (lit.empty()) {
            EXPECT_TRUE(on.empty() && off.empty());
            // The sun that rises and never lights the face ends the list; no sun at all ends
            // it one line before.
            const bool rises = o.sky().altitude(0, c.sun) > 0;
            EXPECT_TRUE(contains(rises ? "Sun off dial all the day " : "Sun down all day "));
            continue;
        }
        EXPECT_FALSE(contains("Sun off dial all the day "));
        EXPECT_EQ(on.size(), lit.size());
        EXPECT_EQ(off.size(), lit.size());
        if (on.size() != lit.size() || off.size() != lit.size()) continue;
        for (std::size_t i = 0; i < lit.size(); ++i) {
            EXPECT_NEAR(on[i], lit[i].on, 0.011);
            EXPECT_NEAR(off[i], lit[i].off, 0.011);
        }
    }
}

// Every angle the list shows, in both hemispheres, against the sky of the real place: each is
// the hour angle or the declination of one of the plane's directions (its normal, its axes),
// or an angle on the dial the programme draws. The hour lines through the centre are lines:
// the horizontal and vertical hours count modulo 12 hours, the noon line's angle modulo 180.
TEST_F(PlaneGeometry, EveryAngleHasTheSignOfTheRealSky) {
    struct Case {
        double lat, decl, recl;
        const char* programme = "M_Inclinati";
    };
    std::vector<Case> cases = {{-66.55, 90, 0, "M_Frinter"}, {-45, 30, 0, "mnuVertSph"},
                               {66.55, 90, 0, "M_Frinter"},  {-45, -120, 0, "M_Frinter"},
                               {0, 119.22, 0, "M_Frinter"},  {0, -150, 0, "M_Frinter"}};
    for (const double lat : {45.0, -45.0, 20.0, -20.0, -68.0})
        for (const auto& [decl, recl] : {std::pair{30.0, 20.0}, {-150.0, 60.0}, {100.0, 20.0},
                                         {30.0, -60.0}, {60.0, -100.0}, {0.0, (90 - std::fabs(lat)) * (lat > 0 ? 1 : -1)},
                                         {180.0, -30.0}, {-90.0, -20.0}})
            cases.push_back({lat, decl, recl});
    // The angle from a to b in degrees, folded into -period/2..period/2.
    const auto apart = [](double a, double b, double period) {
        return std::fabs(std::remainder(a - b, period));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.programme) + " " + std::to_string(c.lat) + " " +
                     std::to_string(c.decl) + " " + std::to_string(c.recl));
        listFor(c.programme, c.lat, c.decl, c.recl);
        const auto line = [&](const std::string& label) -> std::optional<double> {
            for (const auto& t : texts())
                if (t.rfind(label, 0) == 0) return std::stod(t.substr(label.size()));
            return std::nullopt;
        };
        const auto value = [&](const std::string& label) {
            const auto v = line(label);
            if (!v) ADD_FAILURE() << "no line " << label;
            return v.value_or(0.0);
        };
        const double recl = shell::programmeEnables(c.programme, "txtReclinZ") ? c.recl : 0;
        const oracle::ShadowOracle o = c.lat >= 0
                                           ? oracle::ShadowOracle(c.lat, c.decl, recl, 0.2)
                                           : oracle::ShadowOracle(c.lat, 180 - c.decl, -recl, 0.2);
        const oracle::Sky& sky = o.sky();
        const double elevation = sky.hourDeclOf(o.normal()).declination;
        EXPECT_NEAR(value("Elevation of the style : "), elevation, 1e-5);
        EXPECT_NEAR(value("latitude f0 =  "), elevation, 1e-5);
        const oracle::Vec3 pole = sky.pole();
        // The stored Pi leaves some 1e-10 of the sine on a plane that holds the axis.
        const auto centre = std::fabs(oracle::dot(pole, o.normal())) > 1e-9 ? o.centre() : std::nullopt;
        // A plane perpendicular to the axis has no substyle, its centre the foot.
        const bool perpendicular = std::fabs(oracle::dot(pole, o.normal())) > 1 - 1e-9;
        if (centre && !perpendicular) {
            EXPECT_LT(apart(value("Substyle distance  : "),
                            sky.deg(std::atan2(-centre->x, centre->y)), 360),
                      1e-5);
            const auto noon = o.wholeHourLine(0);
            const double noonAngle =
                noon ? sky.deg(std::atan2(-noon->direction.x, noon->direction.y)) : 0;
            EXPECT_LT(apart(value("Angle between max slope line and noon  : "), noonAngle, 180),
                      1e-4);
        } else {
            // The hour lines run along the substyle, the polar axis laid down on the face.
            const double along = sky.deg(std::atan2(-oracle::dot(pole, o.axisX()),
                                                    oracle::dot(pole, o.axisY())));
            EXPECT_LT(apart(value("Substyle distance  : "), along, 180), 1e-5);
            EXPECT_LT(apart(value("Angle between max slope line and noon  : "), along, 180), 1e-5);
        }
        if (!perpendicular) {
            EXPECT_LT(apart(value("substyle hour angle : "), sky.hourDeclOf(o.normal()).hourAngle,
                            360),
                      1e-5);
        }
        const auto hour = [&](oracle::Vec3 direction) {
            return 12 + sky.hourDeclOf(direction).hourAngle / 15;
        };
        EXPECT_LT(apart(value("horizontal hour:    "), hour(o.axisX()), 12), 1e-5);
        // Every hour line runs up the slope of a plane whose line of greatest slope is the axis.
        if (std::fabs(oracle::dot(pole, o.axisY())) < 1 - 1e-9) {
            EXPECT_LT(apart(value("vertical hour:    "), hour(o.axisY()), 12), 1e-5);
        }
        // The sun on the horizon along the dial's x axis; written when the sun lights the dial.
        if (const auto critical = line("critical declination of the sun = ")) {
            EXPECT_NEAR(*critical, sky.hourDeclOf(o.axisX()).declination, 0.006);
        }
        if (recl == 0) continue;
        // The equivalent vertical dial stands where the plane's axis up the slope is the zenith.
        const double f1 = sky.hourDeclOf(o.axisY()).declination;
        EXPECT_NEAR(value("latitude f1 =  "), f1, 1e-5);
        if (std::fabs(f1) > 89.99999) continue;
        EXPECT_LT(apart(value("longitude lambda =  "), sky.hourDeclOf(o.axisY()).hourAngle, 360),
                  1e-5);
    }
}

TEST_F(PlaneGeometry, ShownNumbersAreTheStepsTheyStandForAndOneFaceReadsOneWay) {
    // What the stored Pi leaves a hair short of a step is shown as the step; a declination of
    // -180 or 540 is the wall of 180, and a reclination of 405 the plane of 45.
    const std::tuple<const char*, double, double, double, const char*> rows[] = {
        {"M_Frinter", 45, 90, 0, "Substyle distance  : 45\xC2\xB0"},
        {"M_Inclinati", 45, -180, 30, "horizontal hour:    6 h"},
        {"M_Inclinati", -45, 540, -30, "horizontal hour:    6 h"},
        {"M_Proiettivo", 45, 0, 405, "Style: hypotenuse = inf"}};
    for (const auto& [programme, lat, decl, recl, line] : rows) {
        listFor(programme, lat, decl, recl);
        EXPECT_TRUE(contains(line)) << programme << " " << decl << ": " << line;
    }
}

// The substyle distance and the substyle hour angle of a vertical wall of declination decl at
// the latitude tenths / 10 (degrees), exactly (the true pi, long double): tan q = sin D / tan
// |lat| on the face's side of the meridian, the other way round in the south, and the hour angle
// of the wall's normal. A wall facing east or west has it 90 - |lat| degrees from the vertical,
// counted exactly. (On the equator the substyle of any other wall lies across the face.)
std::pair<long double, long double> exactSubstyle(int tenths, int decl) {
    const long double pi = std::acos(-1.0L);
    const long double phi = std::abs(tenths) * pi / 1800, D = decl * pi / 180;
    const int side = decl > 0 ? 1 : -1, south = tenths < 0 ? -1 : 1;
    const long double h = decl == 180 ? -180
                          : std::abs(decl) == 90
                              ? decl
                              : std::atan2(std::sin(D), std::cos(D) * std::sin(phi)) * 180 / pi;
    if (decl == 180) return {180, h};
    if (decl == 0) return {0, h};
    if (std::abs(decl) == 90) return {south * side * (900 - std::abs(tenths)) / 10.0L, h};
    long double q = std::atan(std::sin(D) / std::tan(phi)) * 180 / pi;
    if (std::abs(decl) > 90) q += q > 0 ? -180 : 180;
    return {south * q, h};
}

// The shown angles and hours of vertical walls, cut to five decimals, against their exact
// values: the cut of an exact step, such as the 90 - |lat| degrees of the substyle distance of a
// wall facing east or west, is that step, never one unit below, at every size; a value lying
// further below a step than the stored Pi can leave it is cut below it.
TEST_F(PlaneGeometry, ShownAnglesOfWallsAreTheCutsOfTheirExactValues) {
    std::size_t checked = 0;
    const auto expectCut = [&](const std::string& label, long double exact, const char* unit) {
        // An exact value less than twice what the stored Pi may leave of it (1e-9 radians, in
        // degrees or hours) below a step may be shown as the step: once for the value's
        // residue, once for the cut's allowance of it.
        const long double band = 2e-9L * (std::string(unit) == " h" ? 3.82L : 57.3L);
        const std::vector<std::string> all = texts();
        const auto shown = std::find_if(all.begin(), all.end(),
                                        [&](const std::string& t) { return t.starts_with(label); });
        ASSERT_NE(shown, all.end()) << label;
        const long double below = std::floor(exact * 1e5L + 1e-6L);    // exact, or the step below
        const long double above = std::floor(exact * 1e5L - 1e-6L) + 1;
        const auto text = [&](long double steps) {
            return label + numeric::toText(double(steps / 1e5L)) + unit;
        };
        if (above > below && above / 1e5L - exact <= band && *shown == text(above)) return;
        EXPECT_EQ(*shown, text(below)) << double(exact);
        ++checked;
    };
    for (const char* programme :
         {"M_Frinter", "M_Light", "mnuVertSph", "M_Inclinati", "M_Proiettivo", "M_nProiettivo"}) {
        for (int tenths = -899; tenths <= 899; ++tenths) {
            for (const int decl : {90, -90, 0, 180, 30, -150, 120, -45}) {
                // Every latitude for the walls facing east and west, every 0.7 degrees for the
                // others, every 2.3 degrees in the other programmes.
                const bool eastOrWest = std::abs(decl) == 90;
                const bool first = std::string(programme) == "M_Frinter";
                if (tenths % (first ? 7 : 23) != 0 && !(eastOrWest && first)) continue;
                if (tenths == 0 && decl != 0 && !eastOrWest) continue;
                SCOPED_TRACE(std::string(programme) + " " + std::to_string(tenths / 10.0) + " " +
                             std::to_string(decl));
                listFor(programme, tenths / 10.0, decl, 0);
                const auto [q, h] = exactSubstyle(tenths, decl);
                expectCut("Substyle distance  : ", q, "\xC2\xB0");
                expectCut("substyle hour angle : ", h, "\xC2\xB0");
                expectCut("substyle hour:    ", 12 + h / 15, " h");
                if (!eastOrWest) continue;
                expectCut("horizontal hour:    ", 12, " h");
                expectCut("vertical hour:    ", 12, " h");
            }
        }
    }
    EXPECT_GT(checked, 15000u);
}

TEST_F(PlaneGeometry, DecliningReclinedPlane) {
    // Latitude 45 N, declination 30 W, reclining 20: n.p = -0.333597, centre at
    // (-0.211964, 0.523929), substyle 22.0266 degrees towards -x, normal at hour angle 29.89398.
    wall("30", "20");
    click();
    expectLines({
        "Style: hypotenuse 0.59952",
        "Distance Foot Center: cathetus  0.56518",
        "Elevation of the style : -19.48725\xC2\xB0",
        "Substyle distance  : 22.0266\xC2\xB0",
        "Center coordinates  : -0.21197    0.52392",
        "Angle between max slope line and noon  : 11.1702\xC2\xB0",
        "ecc.ty 90\xC2\xB0 - lat\xC2\xB0  : 1.3332",
        "eccentricity 23.45\xC2\xB0: 2.36893",
        "substyle hour angle : 29.89397\xC2\xB0",
        "substyle hour:    13.99293 h",
        // The hour lines that run along the plane's horizontal and its line of greatest slope.
        "horizontal hour:    7.48051 h",
        "vertical hour:    10.62681 h",
        // The sun lights the plane (n.s > 0 above the horizon) from 8.4875 h to sunset.
        "Sun on dial at 8.49",
        "Sun off dial at 19.42",
        "substyle hour = 13.99293",
    });
}

TEST_F(PlaneGeometry, EquivalentVerticalDialOfADecliningReclinedPlane) {
    wall("30", "20");
    click();
    const auto all = texts();
    const std::size_t start = indexOf("Equivalent vertical dial :");
    ASSERT_LT(start + 7, all.size());
    EXPECT_EQ(all[start - 1], "");
    const std::vector<std::string> block(all.begin() + start, all.begin() + start + 8);
    const std::vector<std::string> expected = {
        "Equivalent vertical dial :", "latitude f1 =  60.91585", "declination d1 =  46.66352",
        "reclination =  0",           "longitude lambda =  -20.59774", "click off analemma",
        "click on SM time",           "select ST Zone = 0"};
    EXPECT_EQ(block, expected);
    for (std::size_t i = start; i < start + 8; ++i) EXPECT_EQ(colours()[i], kVerticalGroup);
    EXPECT_EQ(colours()[start + 8], kWhite);  // the day lengths follow in white
}

TEST_F(PlaneGeometry, ReclinedSouthPlaneIsAVerticalSouthWallFurtherNorth) {
    // Reclining 20 due south at 45 N: the same plane is vertical at 65 N on the same meridian.
    wall("0", "20");
    click();
    expectLines({"latitude f1 =  65", "declination d1 =  0", "longitude lambda =  0",
                 "Elevation of the style : -25\xC2\xB0"});
}

TEST_F(PlaneGeometry, HorizontalPlane) {
    // A horizontal dial at 45 N: the polar style rises at 45 degrees, its foot-to-centre
    // distance is 0.2 / tan 45 with the centre on the meridian south of the foot; the substyle
    // is the meridian (hour 12) and the dial is lit from sunrise to sunset. The stale values of
    // an earlier run (another plane's substyle hour and style elevation) play no part.
    wall("25", "90");
    m.SubstyleHour = 0.6;
    m.StyleElevRad = 0.1;
    click();
    EXPECT_FALSE(contains("Declination 25"));
    EXPECT_EQ(indexOf("T R I A N G L E "), 3u);  // no declination and no reclination line
    expectLines({
        "Style: hypotenuse 0.28284",
        "Elevation of the style : 45\xC2\xB0",
        "Substyle distance  : 0\xC2\xB0",
        "Center coordinates  : 0    -0.2",
        "Angle between max slope line and noon  : 0\xC2\xB0",
        "substyle hour angle : 0\xC2\xB0",
        "latitude f0 =  45\xC2\xB0",
        "Sun on dial at 4.58",
        "Sun off dial at 19.42",
        "substyle hour = 12",
    });
    const auto all = texts();
    const std::size_t start = indexOf("Equivalent vertical dial :");
    ASSERT_LT(start + 5, all.size());
    const std::vector<std::string> block(all.begin() + start, all.begin() + start + 6);
    const std::vector<std::string> expected = {
        "Equivalent vertical dial :", "latitude f1 =  45",           "declination d1 =  180",
        "reclination =  0",           "ordinate of horizon =  inf. ", "height of the style  =  45"};
    EXPECT_EQ(block, expected);
    EXPECT_EQ(m.WallDeclRad, 0);
}

TEST_F(PlaneGeometry, NinetyOfEitherSignIsTheHorizontalDialFacingUpInBothHemispheres) {
    // A plane facing the ground is never lit: 90 typed with either sign is the dial facing up,
    // which the sun reaches from sunrise to sunset, in every programme that draws horizontal
    // dials and in both hemispheres.
    auto listOf = [&](const std::string& reclination) {
        wall("0", reclination);
        const std::size_t before = texts().size();
        click();
        const auto all = texts();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before),
                                        all.end());
    };
    auto valueAfter = [](const std::vector<std::string>& list, const std::string& label) {
        for (const auto& line : list)
            if (line.rfind(label, 0) == 0) return line.substr(label.size());
        return std::string("(missing)");
    };
    for (const char* programme : {"M_Inclinati", "M_Proiettivo", "M_nProiettivo", "mnuUni"}) {
        for (const char* latitude : {"45.7438", "-45.7438"}) {
            for (const char* sun : {"27", "-20"}) {
                SCOPED_TRACE(std::string(programme) + ", latitude " + latitude + ", sun " + sun);
                choose(programme);
                place(latitude, "-7.6438", "-1");
                lastRun(std::stod(latitude));
                inputs.setText("txtlineofdeclination", sun);
                const auto up = listOf(latitude[0] == '-' ? "-90" : "90");
                const auto other = listOf(latitude[0] == '-' ? "90" : "-90");
                EXPECT_EQ(other, up);
                EXPECT_EQ(valueAfter(other, "Sun on dial at "), valueAfter(other, "Sunrise at "));
                EXPECT_EQ(valueAfter(other, "Sun off dial at "), valueAfter(other, "Sunset at "));
            }
        }
    }
}

TEST_F(PlaneGeometry, HorizontalPlaneAtTheEquatorHasItsCentreAtInfinity) {
    place("0", "-7.6438", "-1");
    wall("0", "90");
    lastRun(0);
    click();
    expectLines({"Style: hypotenuse = inf", "Distance Foot Center: cathetus = inf",
                 "Center coordinates  : inf    inf"});
}

TEST_F(PlaneGeometry, APlaneHoldingThePolarAxisListsItsCentreAtInfinityAndGoesOn) {
    // The stored Pi leaves the elevation sine of such a plane some 1e-10, not 0: no centre may
    // come out a billion metres away, and the list goes on to the sun. Where the plane's line of
    // greatest slope is the axis, its equivalent vertical dial stands at a pole, where only the
    // sum of d1 and lambda tells the hours: the list gives what the planes next to it give on the
    // side where the style stands out of the plane (0.01 degree off, they list these values).
    struct Case {
        const char* programme;
        double lat, decl, recl;
        const char* d1;      // "" where the list has no equivalent vertical dial
        const char* lambda;  // "" where it has no longitude line
    };
    const Case cases[] = {
        {"M_Inclinati", 45, 180, -45, "180", "0"},  {"M_Inclinati", -45, 180, 45, "180", "0"},
        {"M_nProiettivo", 45, 0, 45, "180", "180"}, {"M_Proiettivo", 45, 180, 135, "0", "0"},
        {"M_Inclinati", 45, 0, -135, "0", "180"},   {"M_Inclinati", -45, 0, -45, "180", "180"},
        {"M_Inclinati", 0, 0, 90, "180", ""},       {"M_nProiettivo", 0, 90, 30, "90", "-30"},
        {"M_Inclinati", -45, -90, 0, "", ""},       {"mnuVertSph", 90, 30, 0, "", ""},
        {"mnuVertSph", -90, 30, 0, "", ""},         {"M_Frinter", 90, 0, 0, "", ""},
        {"M_Light", 45, 90, 0, "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.programme) + " " + std::to_string(c.lat) + " " +
                     std::to_string(c.decl) + " " + std::to_string(c.recl));
        listFor(c.programme, c.lat, c.decl, c.recl);
        expectLines({"Style: hypotenuse = inf", "Distance Foot Center: cathetus = inf",
                     "Center coordinates  : inf    inf", "Elevation of the style : 0\xC2\xB0",
                     "Sun's declination = 20"});
        EXPECT_EQ(contains("declination d1 =  " + std::string(c.d1)), *c.d1 != 0);
        EXPECT_EQ(contains("longitude lambda =  " + std::string(c.lambda)), *c.lambda != 0);
        const std::regex millions("(^|[^.0-9])[0-9]{7}|E\\+");
        for (const auto& line : texts()) EXPECT_FALSE(std::regex_search(line, millions)) << line;
    }
}

TEST_F(PlaneGeometry, UnusedReclinationBoxMakesNoHorizontalPlane) {
    // The vertical programme does not read the reclination box; 90 left in it from another
    // programme does not turn its wall into a horizontal dial.
    choose("mnuVertSph");
    wall("30", "90");
    click();
    expectLines({"Declination 30", "Reclination 0", "Substyle distance  : 26.56505\xC2\xB0",
                 "Center coordinates  : -0.11548    0.23094"});
}

// Planes facing due south or due north at 45 N, one for each way their equivalent vertical
// dial can fall. The up-slope axis of the plane is the zenith of the equivalent place: its
// latitude is the angle of that axis from the equator, the longitude difference is 0 on our
// meridian and 180 across the pole, and the wall faces the pole the plane's normal leans to
// (declination 180 facing north; south of the equator the declination counts from the north).
TEST_F(PlaneGeometry, MeridianPlanesHaveTheirEquivalentVerticalDialsDirectly) {
    struct Case {
        const char* declination;
        const char* reclination;
        const char* f1;
        const char* d1;
        const char* lambda;
    };
    const Case cases[] = {
        {"0", "60", "75", "180", "180"},     // reclined past the polar plane: over the pole
        {"180", "20", "25", "180", "0"},     // north face reclined less than the latitude
        {"180", "60", "-15", "0", "0"},      // north face reclined past it: south of the equator
        {"0", "-20", "25", "0", "0"},        // south face inclined less than the latitude
        {"0", "-60", "-15", "180", "0"},     // south face inclined past it
        {"180", "-20", "65", "180", "0"},    // north face inclined, axis short of the pole
        {"180", "-60", "75", "0", "180"},    // north face inclined, axis past the pole
    };
    for (const Case& c : cases) {
        wall(c.declination, c.reclination);
        device.forget();
        click();
        const auto all = texts();
        const std::size_t start = indexOf("Equivalent vertical dial :");
        const std::string plane = std::string(c.declination) + " " + c.reclination;
        ASSERT_LT(start + 4, all.size()) << plane;
        EXPECT_EQ(all[start + 1], std::string("latitude f1 =  ") + c.f1) << plane;
        EXPECT_EQ(all[start + 2], std::string("declination d1 =  ") + c.d1) << plane;
        EXPECT_EQ(all[start + 4], std::string("longitude lambda =  ") + c.lambda) << plane;
    }
}

}  // namespace
}  // namespace shelldata
