// The former projective programme as Run starts it: what it accepts (its refusals are checked
// with the other drivers'), the order of the features, failures that stop the run, known planes,
// the hour-line loop, and the flat 3D programme's hour lines on the same plane.

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "dials/projective/latter_procedures.h"
#include "former_fixture.h"
#include "latter_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace formertest {
namespace {

using namespace dials::projective;
using dialtest::Settings;
using numeric::qbColor;
const std::string kTitle = "Flat sundial by projective method : former version";

dialtest::Outcome runWith(const Settings& changes) {
    Settings settings = typedPlane({45, 20, 30});
    settings.insert(settings.end(), changes.begin(), changes.end());
    return dialtest::runProgramme("M_Proiettivo", settings);
}

TEST(FormerDriver, RunsInOrderAndStopsOnAFailure) {
    // Also a latitude equal to a declination line's, whose conic is then a parabola.
    for (const Settings& accepted : std::vector<Settings>{
             {{"txtLAT", "0.001"}}, {{"txtLAT", "11.5"}}, {{"txtLAT", "20.011"}},
             {{"txtLAT", "23.45"}}, {{"txtReclinZ", "-100"}}})
        dialtest::expectDrawn(runWith(accepted), kTitle);
    // A face all but turned to the ground: the suns that graze it cast their shadows far off.
    dialtest::expectDrawn(runWith({{"txtReclinZ", "-89.9"}}), kTitle,
                          {dialtest::kNoTipShadowInArea});
    EXPECT_EQ(runWith({{"txtDecl", "120"}}).m.DeclDegrees, 120);  // not folded

    // The construction first (triangle laid down, vertical), the horizon last.
    const dialtest::Outcome o = runWith({{"ck_Triangolo", "1"}, {"ck_Italiche", "1"},
                                         {"ck_babiloniche", "1"}, {"ck_orizzonte", "1"}});
    dialtest::expectDrawn(o, kTitle);
    ASSERT_GE(o.list.lines.size(), 5u);
    EXPECT_EQ(std::string(o.list.DrawOrder.begin(), o.list.DrawOrder.begin() + 4), "LLLL");
    EXPECT_EQ(o.list.lines[3].Color, qbColor(8));
    EXPECT_EQ(o.list.DrawOrder.back(), 'L');
    EXPECT_EQ(o.list.lines.back().Color, qbColor(2));

    // A style of 0 casts no shadow, and an hour fraction of 0 leaves no step between the hour
    // lines: they are refused before the run, as in every programme.
    dialtest::expectRefused(runWith({{"txtStilo", "0"}}),
                            "The drawing was not started: the Perpendicular style box must hold "
                            "a length above 0: a style of no length, or one standing behind the "
                            "dial, casts no shadow on it. Please check the inputs.");
    EXPECT_NE(runWith({{"TxtHour", "0"}}).messages.at(0).find("Hour fraction"), std::string::npos);
    // A plane holding the polar axis, facing any way and typed either way, has its style
    // parallel to it and no centre to build on: refused, the latter version named. The wall of
    // 270 is the wall of -90.
    for (const Settings& polar : std::vector<Settings>{
             {{"txtDecl", "0"}, {"txtReclinZ", "45"}, {"txtLAT", "45"}},
             {{"txtDecl", "180"}, {"txtReclinZ", "135"}, {"txtLAT", "45"}},
             {{"txtDecl", "-180"}, {"txtReclinZ", "-30"}, {"txtLAT", "60"}},
             {{"txtDecl", "540"}, {"txtReclinZ", "-60"}, {"txtLAT", "30"}},
             {{"txtDecl", "0"}, {"txtReclinZ", "-135"}, {"txtLAT", "45"}},
             {{"txtDecl", "0"}, {"txtReclinZ", "80"}, {"txtLAT", "10"}},
             {{"txtDecl", "60"}, {"txtReclinZ", "26.565051177"}, {"txtLAT", "45"}},
             {{"txtDecl", "-120"}, {"txtReclinZ", "-40.8933946527449"}, {"txtLAT", "30"}}})
        dialtest::expectRefused(runWith(polar), "Sorry, unable to draw a plane that holds the "
                                                "polar axis: please use programme n\u00b0 4 ");
    for (const char* wall : {"-90", "270", "-450"})
        dialtest::expectRefused(runWith({{"txtLAT", "77"}, {"txtDecl", wall}}),
                                "Please use programme n\u00b0 4 ");
    // A ten-thousandth of a degree off the axis is drawn.
    dialtest::expectDrawn(runWith({{"txtDecl", "0"}, {"txtReclinZ", "45.0001"}, {"txtLAT", "45"}}),
                          kTitle);
}

TEST(FormerSetup, KnownPlanes) {
    const double lat = 45.7438, style = 0.1, phi = lat * kPi / 180, E = kPi / 2 - phi;
    FormerDial south({lat, 0, 0, style});
    ASSERT_TRUE(south.setUp());
    const shell::Module1& m = south.m();
    EXPECT_NEAR(m.StyleLengthD, style / std::cos(phi), 1e-15);
    EXPECT_EQ(m.NoonTiltRad, 0);
    EXPECT_NEAR(m.StyleElevRad, E, 1e-9);  // the stored Pi's right angle is 2e-10 off
    EXPECT_EQ(m.OriginX, 0);
    EXPECT_NEAR(m.OriginY, -style / std::tan(E), 1e-9);
    // Lines of positive hour angle fall on the west side (x < 0) below the centre.
    south.tagWith(&shell::Module1::HourLoop);
    const auto southLines = south.draw(DrawHourLinesProjFormer).byTag();
    std::size_t below = 0;
    for (const oracle::DialXY& p : southLines.at(45)) {
        if (p.y >= -m.OriginY) continue;
        ++below;
        EXPECT_LT(p.x, 0);
    }
    EXPECT_GT(below, 10u);

    FormerDial pastVertical({45, 20, 100});
    ASSERT_TRUE(pastVertical.setUp());
    EXPECT_LT(pastVertical.m().StyleLengthD, 0);
    // The map turns its points half round: its hour lines still fall where the sun casts them.
    pastVertical.tagWith(&shell::Module1::HourLoop);
    for (const auto& [H, points] : pastVertical.draw(DrawHourLinesProjFormer).byTag())
        EXPECT_TRUE(oracle::allOnWholeHourLine(pastVertical.oracle(), -H, points)) << H;

    // A style perpendicular to the plane: the foot is the centre, the hour lines radiate from it.
    FormerDial equatorial({45, 0, -45});
    ASSERT_TRUE(equatorial.setUp());
    EXPECT_LT(std::hypot(equatorial.m().OriginX, equatorial.m().OriginY), 1e-9);
    equatorial.tagWith(&shell::Module1::HourLoop);
    const auto lines = equatorial.draw(DrawHourLinesProjFormer).byTag();
    EXPECT_EQ(lines.size(), 25u);
    for (const auto& [H, points] : lines)
        EXPECT_TRUE(oracle::allOnWholeHourLine(equatorial.oracle(), -H, points)) << H;
}

TEST(FormerHourLines, QuartersAndANegativeFraction) {
    FormerDial quarters({45, 20, 30}, {{"TxtHour", "4"}});
    ASSERT_TRUE(quarters.setUp());
    quarters.tagWith(&shell::Module1::HourLoop);
    const dialtest::Drawing d = quarters.draw(DrawHourLinesProjFormer);
    const auto lines = d.byTag();
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines.begin()->first, -90);
    EXPECT_EQ(lines.rbegin()->first, 90);
    // -90 and +90 are one line, drawn first in grey and last in blue.
    EXPECT_EQ(d.points.front().colour, qbColor(7));
    EXPECT_EQ(d.points.back().colour, qbColor(9));
    const auto& first = lines.at(-90);
    for (const oracle::DialXY& p : lines.at(90))
        EXPECT_LT(oracle::distanceToLine(p, first.front(), first.back()), 1e-9);
    // The Italian hours keep their 15 degrees.
    quarters.tagWith(&shell::Module1::HourCounter);
    EXPECT_LE(quarters.draw(DrawItalianHoursProjFormer).byTag().size(), 13u);

    // A negative fraction is refused before the run.
    FormerDial negative({45, 20, 30}, {{"TxtHour", "-1"}});
    EXPECT_FALSE(negative.setUp());
}

// The flat 3D programme's hour angles (radians) also count positive towards the morning.
TEST(FormerHourLines, AgreeWithTheFlat3DProgramme) {
    for (const Plane& plane : {Plane{45, 20, 30}, Plane{52, -40, -20}, Plane{50, 120, 0}}) {
        SCOPED_TRACE(describe(plane));
        FormerDial former(plane, {{"TxtHour", "1"}});
        ASSERT_TRUE(former.setUp());
        former.tagWith(&shell::Module1::HourLoop);
        const auto formerLines = former.draw(DrawHourLinesProjFormer).byTag();

        dialtest::ProgrammeDial flat("M_Inclinati", typedPlane(plane),
                                     {{"option3D4", "1"}, {"TxtHour", "1"},
                                      {"ck_DayLightCurves", "0"}, {"ck_Equinoziale", "0"}});
        flat.tagWith(&shell::Module1::HourAngleRad);
        ASSERT_TRUE(flat.run());
        int compared = 0;
        for (const auto& [rad, points] : flat.drawing().byTag()) {
            const double H = std::round(rad * 180 / kPi * 1e6) / 1e6;
            if (H == 0 || std::fabs(H) >= 90 || !formerLines.count(H) || points.size() < 2)
                continue;  // the last tag also marks the features drawn after the hours
            for (const oracle::DialXY& p : formerLines.at(H))
                ASSERT_LT(oracle::distanceToLine(p, points.front(), points.back()), 1e-6) << H;
            ++compared;
        }
        EXPECT_GE(compared, 6);
    }
}

// The two versions draw one dial on the same plane: the centre and the foot, the horizon, the
// hour lines (the latter's hour angles count towards the afternoon), the Italian and Babylonian
// hours, and the sunlit parts of the solstice and 11.5 degree lines.
TEST(FormerAndLatter, DrawTheSameDial) {
    const Plane planes[] = {{45, 20, 30},  {45, 0, -100}, {45, 30, -100}, {45, 0, 100},
                            {60, 10, 135}, {11.5, 0, 0},  {11.5, 30, 20}, {20, 0, -40},
                            {0.001, 20, 30}, {45.7438, -14.57, -20}, {45, 0, 50}};
    for (const Plane& plane : planes) {
        SCOPED_TRACE(describe(plane));
        const Settings ticks = {{"TxtHour", "1"}};
        FormerDial former(plane, ticks);
        ASSERT_TRUE(former.setUp());
        latterproj::LatterDial latter(plane, ticks);
        ASSERT_TRUE(latter.setUpWithCentre());
        const oracle::DialXY c{latter.m().CentreX, latter.m().CentreY};
        const double near = 1e-6 * std::max(1.0, std::hypot(c.x, c.y) / plane.style);
        EXPECT_NEAR(-former.m().OriginX, c.x, near);
        EXPECT_NEAR(-former.m().OriginY, c.y, near);
        EXPECT_NEAR(former.draw(DrawHorizonProj).segments.at(0).a.y,
                    latter.draw(DrawHorizonProj).segments.at(0).a.y, 1e-9);

        // Each line of one version lies on the line through two points of the other's. The
        // Italian and Babylonian lines are drawn only where their sun is up, both versions the
        // same lines (on a plane turned past the vertical, as few as one of each).
        const auto sameLines = [&](const std::map<double, std::vector<oracle::DialXY>>& ours,
                                   const std::map<double, std::vector<oracle::DialXY>>& theirs,
                                   double sign, const char* what, std::size_t least = 3) {
            std::size_t compared = 0;
            for (const auto& [tag, points] : ours) {
                const auto other = theirs.find(sign * tag);
                if (other == theirs.end() || other->second.size() < 2 || points.size() < 2)
                    continue;
                const oracle::DialXY a = other->second.front(), b = other->second.back();
                for (const oracle::DialXY& p : points)
                    ASSERT_LT(oracle::distanceToLine(p, a, b),
                              1e-6 * std::max(1.0, oracle::distance(p, a) / 0.1))
                        << what << " " << tag;
                ++compared;
            }
            EXPECT_GE(compared, least) << what;
        };
        former.tagWith(&shell::Module1::HourLoop);
        latter.tagWith(&shell::Module1::HourCounter);
        sameLines(former.draw(DrawHourLinesProjFormer).byTag(),
                  latter.draw(DrawHourLinesProjLatter).byTag(), -1, "hour");
        former.tagWith(&shell::Module1::HourCounter);
        latter.tagWith(&shell::Module1::HourCounter);
        using Procedure = void (*)(shell::Context&);
        for (const auto& [formerHours, latterHours, what] :
             {std::tuple<Procedure, Procedure, const char*>{DrawItalianHoursProjFormer,
                                                            DrawItalianHoursProjLatter, "Italian"},
              {DrawBabylonianHoursProjFormer, DrawBabylonianHoursProjLatter, "Babylonian"}}) {
            const auto ours = former.draw(formerHours).byTag();
            const auto theirs = latter.draw(latterHours).byTag();
            std::vector<double> ourTags, theirTags;
            for (const auto& line : ours) ourTags.push_back(-line.first);
            for (const auto& line : theirs) theirTags.insert(theirTags.begin(), line.first);
            EXPECT_EQ(ourTags, theirTags) << what;
            sameLines(ours, theirs, -1, what, 1);
        }

        const dialtest::Drawing formerCurves = former.draw(DrawDeclinationLinesProjFormer);
        const dialtest::Drawing latterCurves = latter.draw(DrawDeclinationLinesProjLatter);
        for (const auto& [colour, declination] : {std::pair{12, 23.45}, {11, 11.5}}) {
            const auto ours = formerCurves.withColour(qbColor(colour));
            const auto theirs = latterCurves.withColour(qbColor(colour));
            EXPECT_EQ(ours.empty(), theirs.empty()) << declination;
            for (const auto* points : {&ours, &theirs}) {
                EXPECT_TRUE(oracle::allOnDeclinationPair(former.oracle(), declination, *points));
                EXPECT_TRUE(oracle::allCastBySunAboveHorizon(former.oracle(), *points, 1e-6));
            }
        }
    }
}

// On planes where the winter sun rises in front of the plane, the winter solstice line runs up
// to the horizon and stops there, in both versions: its other branch belongs to a sun below the
// horizon.
TEST(FormerAndLatter, SolsticeLinesRunUpToTheHorizonAndStopThere) {
    for (const Plane& plane : {Plane{45, 0, 60}, Plane{52, 30, 40}, Plane{45.7438, -14.57, 30}}) {
        SCOPED_TRACE(describe(plane));
        FormerDial former(plane);
        ASSERT_TRUE(former.setUp());
        latterproj::LatterDial latter(plane);
        ASSERT_TRUE(latter.setUp());
        for (const auto& solstices :
             {former.draw(DrawDeclinationLinesProjFormer).withColour(qbColor(12)),
              latter.draw(DrawDeclinationLinesProjLatter).withColour(qbColor(12))}) {
            EXPECT_TRUE(oracle::allCastBySunAboveHorizon(former.oracle(), solstices, 1e-6));
            EXPECT_LT(oracle::lowestSunAltitude(former.oracle(), solstices), 0.5);
        }
    }
}

}  // namespace
}  // namespace formertest
