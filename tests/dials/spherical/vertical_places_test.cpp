// Single shadow points of the vertical dial by spherical trigonometry: the suns whose first
// computed shadow would fall where no shadow falls, and the places of the numbers, the Roman
// numerals and the zodiac signs (the points handed to the glyphs, not their strokes), each the
// shadow of its sun by the oracle, on walls of both hemispheres.

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/spherical/vertical_procedures.h"
#include "vertical_fixture.h"

namespace vsphtest {
namespace {

namespace sph = dials::spherical;
constexpr double kDeg = 3.141592654 / 180;

// The places are the shadows, in order, of those suns that cast one in the plot area (compared
// as suns: far from the foot a place moves much with a small change of the sun): a mark whose
// point lies outside the area is not drawn; one within a millimetre of an edge may go either way.
template <class Place>
void expectShadowsOf(oracle::ShadowOracle& o, const std::vector<Place>& places,
                     const std::vector<oracle::HourDecl>& suns) {
    std::size_t i = 0;
    for (const oracle::HourDecl& sun : suns) {
        const auto shadow = o.dialPoint(sun.hourAngle, sun.declination);
        if (!shadow || o.sky().altitude(sun.hourAngle, sun.declination) <= 1e-7) continue;
        const double depth = oracle::depthInArea(dialtest::kPlotArea, *shadow);
        if (depth < -1e-3) continue;
        if (depth <= 1e-3) {
            const bool placed =
                i < places.size() && std::fabs(oracle::foldDegrees(
                                         o.sunFor(places[i].x, -places[i].y).hourAngle -
                                         sun.hourAngle)) < 1e-7;
            if (!placed) continue;
        }
        ASSERT_LT(i, places.size()) << sun.hourAngle << " " << sun.declination;
        const oracle::HourDecl cast = o.sunFor(places[i].x, -places[i].y);
        EXPECT_NEAR(oracle::foldDegrees(cast.hourAngle - sun.hourAngle), 0, 1e-7);
        EXPECT_NEAR(cast.declination, sun.declination, 1e-7);
        ++i;
    }
    EXPECT_EQ(places.size(), i);
}

TEST(VertSphShadowPoint, NoShadowOfASunBehindTheWallNorOfTheNoonSunTakenSouth) {
    // Behind the wall and below the horizon: (1.074, -0.430) lies below the foot, where the
    // opposite sun would cast it.
    VertSphDial west({45, 60, 1});
    ASSERT_TRUE(west.setUp());
    const auto p = sph::vsph::ShadowPointVertSph(west.m(), -90 * kDeg, -23.44);
    EXPECT_NEAR(p->y, -0.430, 1e-3);
    EXPECT_FALSE(p->drawn());
    // The noon sun north of the zenith (south of the tropic, and in the tropics in summer).
    for (const auto& [wall, decl] : {std::pair{Wall{-45, 0}, 0.0}, {Wall{10, 0}, 20.0},
                                    {Wall{10, 180}, 20.0}, {Wall{-20, 0}, -23.0}}) {
        VertSphDial dial(wall);
        ASSERT_TRUE(dial.setUp());
        const auto q = sph::vsph::ShadowPointVertSph(dial.m(), 0, decl);
        const auto truth = dial.oracle().dialPoint(0, decl);
        EXPECT_EQ(q->drawn(), truth.has_value()) << dialtest::describe(wall);
        if (truth) {
            EXPECT_LT(oracle::distance({q->x, q->y}, *truth), 1e-9);
        }
    }
}

struct Text {
    double x, y;
};

TEST(VertSphNumbers, StandWhereTheirHoursMeetTheJuneLine) {
    struct Labels {
        void (*label)(shell::Context&);
        std::vector<int> hours;
        std::string (*text)(int);
        plot::Colour after;
    };
    auto blanks = [](int k) { return std::string(" ").append(std::to_string(k)).append(" "); };
    auto bare = [](int k) { return std::to_string(k); };
    const Labels all[] = {
        {sph::LabelItalianHoursVertSph, {12, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, blanks, 0xFFFFFF},
        {sph::LabelBabylonianHoursVertSph, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, blanks, 0xFFFFFF},
        {sph::LabelTemporaryHoursVertSph, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, bare, 0x008080}};
    for (const Wall w : {Wall{45, 0}, Wall{-35, 20}, Wall{50, -70}, Wall{70, 10}})
        for (int family = 0; family < 3; ++family) {
            SCOPED_TRACE(dialtest::describe(w) + " family " + std::to_string(family));
            VertSphDial dial(w);
            ASSERT_TRUE(dial.setUp());
            oracle::ShadowOracle o = dial.oracle();
            const auto sunset = o.sky().sunsetHourAngle(23.44);  // none at 70: no numbers
            const double H0 = sunset.value_or(0);
            std::vector<oracle::HourDecl> suns;
            for (int k : all[family].hours)
                if (sunset)
                suns.push_back({family == 0 ? H0 - 15 * (24 - k) : family == 1 ? 15 * k - H0
                                                                                : (k / 6.0 - 1) * H0,
                                23.44});
            dial.draw(all[family].label);
            std::vector<Text> places;
            for (const plot::TextRecord& t : dial.surface().displayList().texts) {
                places.push_back({t.x, t.y});
                const auto k = std::stoi(t.text);
                EXPECT_EQ(t.text.substr(0, all[family].text(k).size() + 1), all[family].text(k) + " ");
            }
            expectShadowsOf(o, places, suns);
            EXPECT_EQ(dial.textColour(), all[family].after);
        }
}

TEST(VertSphRomanNumerals, RunAlongTheTypedDeclinationOnTheirHours) {
    for (const Wall& w : walls())
        for (const bool standard : {false, true}) {
            // How far the line of each whole hour round the clock reaches into the plot area.
            std::map<int, double> reach;
            for (const char* decl : {"27", "-15", "-27", ""}) {
                SCOPED_TRACE(dialtest::describe(w) + " decl " + decl + (standard ? " ST" : ""));
                VertSphDial dial(w, {{"txtlineofdeclination", decl},
                                     {"ck_Etna", standard ? "1" : "0"}, {"TxtHour", "4"}});
                ASSERT_TRUE(dial.setUp());
                const double shift = standard * dial.m().ZoneCorrRad / kDeg;
                oracle::ShadowOracle o = dial.oracle();
                // Every whole hour whose line has a point in the plot area (none can be placed
                // on the equator); a line within a millimetre of its edge may go either way.
                std::vector<oracle::HourDecl> suns, either;
                for (int H = -165; H <= 180 && w.lat != 0; H += 15) {
                    if (!reach.count(H))
                        reach[H] = oracle::reachIntoArea(dialtest::kPlotArea, [&](double d) {
                            return o.sky().altitude(H - shift, d) > 0 ? o.dialPoint(H - shift, d)
                                                                      : std::nullopt;
                        }, -23.44, 23.44, 0.02);
                    if (std::fabs(reach[H]) <= 1e-3) either.push_back({H - shift, std::atof(decl)});
                    if (reach[H] > 1e-3) suns.push_back({H - shift, std::atof(decl)});
                }
                auto places = sph::RomanNumeralPlacesVertSph(dial.ctx());
                std::erase_if(places, [&](const sph::NumeralPlace& p) {
                    return std::any_of(either.begin(), either.end(), [&](const oracle::HourDecl& e) {
                        return std::fabs(oracle::foldDegrees(o.sunFor(p.x, p.y).hourAngle - e.hourAngle)) < 1e-6;
                    });
                });
                std::vector<Text> flipped;  // the places in plot coordinates, as texts are
                for (const sph::NumeralPlace& p : places) flipped.push_back({p.x, -p.y});
                expectShadowsOf(o, flipped, suns);
                // The numeral names the hour of its line before the standard-time shift.
                for (std::size_t i = 0; i < places.size(); ++i) {
                    const double H = o.sunFor(places[i].x, places[i].y).hourAngle + shift;
                    EXPECT_EQ(places[i].hour, (static_cast<int>(std::lround(H / 15)) + 35) % 12 + 1);
                }
            }
        }
}

TEST(VertSphZodiac, SignsStandOnTheirDaysAndHoursTurnedWithTheEquinoctial) {
    const std::vector<oracle::HourDecl> anchors = {
        {-40, 0},         {40, 0},          {-10, 25.44},   {-10, -29.44},  {-25, 20.001},
        {-35, 11.5001},   {-40, -11.5001},  {-40, -20.001}, {40, -20.001},  {40, -11.5001},
        {35, 11.5001},    {25, 20.001}};
    for (const Wall& w : walls()) {
        SCOPED_TRACE(dialtest::describe(w));
        VertSphDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const sph::ZodiacLayout layout = sph::ZodiacLayoutVertSph(dial.ctx());
        std::vector<Text> places;
        for (const sph::ZodiacPlace& p : layout.places) places.push_back({p.x, -p.y});
        oracle::ShadowOracle o = dial.oracle();
        expectShadowsOf(o, places, anchors);
        for (std::size_t i = 1; i < layout.places.size(); ++i)
            EXPECT_LT(layout.places[i - 1].sign, layout.places[i].sign);
        // One turn: the equinoctial's direction between the hour angles -50 and +30.
        const auto e1 = o.shadow(-50, 0), e2 = o.shadow(30, 0);
        const double slope = (e2->point.y - e1->point.y) / (e2->point.x - e1->point.x);
        EXPECT_NEAR(layout.rotationDeg, std::atan(slope) / kDeg + 90, 1e-6);
    }
    // No style: no shadow to place a sign on; the run stops in the reader, before any sign.
    VertSphDial flat({45, 0, 0});
    EXPECT_FALSE(flat.setUp());
}

}  // namespace
}  // namespace vsphtest
