// Every line family of the parabolic dial against the shadow model of the cylinder: each drawn
// point lies on the cut of the surface by its line's plane or cone through the tip, and is
// drawn exactly where the model says a real sun of that line casts the tip's shadow.

#include <cmath>
#include <limits>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/sun_series.h"
#include "numeric/step_loop.h"
#include "parabolic_fixture.h"

namespace paratest {
namespace {

namespace cyl = dials::cylindrical;
using oracle::DialXY;

class ParabolicLines : public testing::TestWithParam<Cylinder> {
protected:
    void SetUp() override {
        dial = std::make_unique<ParabolicDial>(GetParam(), only({}));
        dial->set("TxtHour", "1");
        ASSERT_TRUE(dial->setUp());
    }
    std::unique_ptr<ParabolicDial> dial;
};

// An hour plane holds the suns of H and of H + 180.
void expectHourLine(const oracle::ParabolicOracle& o, double hour,
                    const std::vector<DialXY>& points, const std::string& what) {
    EXPECT_TRUE(allWithin(points, [&](DialXY p) { return o.distanceToHourLine(hour, p); }, what));
}

// The model's verdict on a point: drawn, not drawn, or too near a border to tell.
using Verdict = std::function<std::optional<bool>(DialXY)>;

// Whether a real sun casts the point, or nullopt on the border.
std::optional<bool> realSun(const oracle::ParabolicOracle& o, DialXY p) {
    const bool wide = o.castByRealSun(p, 1e-9), narrow = o.castByRealSun(p, -1e-9);
    if (wide != narrow) return std::nullopt;
    return narrow;
}

// The hour line of hour angle H (west +, degrees): the points its own sun casts, and those of
// the other half of its plane that a sun of the year casts, unless the other half is drawn as a
// line of its own.
Verdict hourLineVerdict(const oracle::ParabolicOracle& o, double H, bool otherHalfElsewhere) {
    return [&o, H, otherHalfElsewhere](DialXY p) -> std::optional<bool> {
        const std::optional<bool> real = realSun(o, p);
        if (!real || !*real) return real;
        const oracle::HourDecl sun = o.sunFor(p);
        const double own = std::cos(o.sky().rad(sun.hourAngle - H));
        if (std::fabs(own) < 1e-9) return std::nullopt;
        if (own > 0) return true;
        if (otherHalfElsewhere) return false;
        if (std::fabs(std::fabs(sun.declination) - 23.45) < 1e-7) return std::nullopt;
        return std::fabs(sun.declination) <= 23.45;
    };
}

// The programme samples the section from the foot; on each sample the plane through the tip
// cuts one point. Every sample the model keeps (and that falls on the plot) is drawn there,
// every other is not.
testing::AssertionResult drawnWhereTheModelSays(ParabolicDial& dial,
                                                const oracle::ParabolicOracle& o,
                                                const std::vector<DialXY>& drawn,
                                                oracle::Vec3 normal, double to,
                                                const Verdict& verdict, const std::string& what) {
    const plot::PlotSurface& plot = dial.surface();
    int missing = 0, extra = 0, checked = 0;
    std::string first;
    for (double X : numeric::StepRange(-1, to, dialtest::kPointStep)) {
        const double xi = o.developed(o.foot().x + X);
        bool isDrawn = false;
        for (const DialXY& q : drawn) isDrawn = isDrawn || std::fabs(q.x - xi) < 1e-9;
        const std::optional<double> z = o.planeCutHeight(normal, xi);
        std::optional<bool> expected = false;
        if (z) {
            const double y = -*z;
            const double x0 = -plot.ShiftX(), x1 = plot.QuadranteL() - plot.ShiftX();
            const double y0 = -plot.ShiftY(), y1 = plot.QuadranteH() - plot.ShiftY();
            if (xi >= x0 && xi < x1 && y >= y0 && y < y1) expected = verdict({xi, *z});
        }
        if (!expected) continue;
        ++checked;
        if (*expected == isDrawn) continue;
        (*expected ? missing : extra)++;
        if (first.empty())
            first = (*expected ? "missing at xi " : "extra at xi ") + std::to_string(xi) +
                    (z ? ", height " + std::to_string(*z) : std::string());
    }
    // A check that looked at no sample would pass whatever was drawn.
    if (checked == 0)
        return testing::AssertionFailure() << what << ": no sample of the plot area to check";
    if (missing + extra == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << what << ": " << missing << " points missing and "
                                       << extra << " drawn where no such sun casts, of "
                                       << checked << " samples; first " << first;
}

// The line laid without gaps: every shadow of its suns that a real sun casts on the samples the
// programme lays (X from -1 to `to`) where the plot shows it lies within the drawing step of a
// point drawn.
testing::AssertionResult laidWithinTheStep(ParabolicDial& dial, const oracle::ParabolicOracle& o,
                                           const std::vector<oracle::HourDecl>& suns,
                                           const std::vector<DialXY>& points, double to,
                                           const std::string& what) {
    const plot::PlotSurface& plot = dial.surface();
    const double step = dialtest::kPointStep;
    // The section is north = c x^2: where the rays first meet it, before the model unrolls it.
    const double c = o.sectionNorth(1);
    const oracle::Vec3 tip = o.tip();
    auto withinTheSamples = [&](const oracle::HourDecl& s) {
        const oracle::Vec3 sun = o.sky().sun(s.hourAngle, s.declination);
        // tip.y - t sun.y = c (tip.x - t sun.x)^2, t > 0.
        const double a = c * sun.x * sun.x, b = -2 * c * tip.x * sun.x + sun.y,
                     k = c * tip.x * tip.x - tip.y;
        std::optional<double> first;
        auto consider = [&](double t) {
            if (t > 0 && (!first || t < *first)) first = t;
        };
        if (std::fabs(a) < 1e-15) {
            if (b != 0) consider(-k / b);
        } else {
            const double disc = b * b - 4 * a * k;
            if (disc < 0) return false;
            consider((-b - std::sqrt(disc)) / (2 * a));
            consider((-b + std::sqrt(disc)) / (2 * a));
        }
        if (!first) return false;
        const double X = tip.x - *first * sun.x - o.foot().x;
        return X >= -1 - 1e-6 && X <= to + 1e-6;
    };
    for (const oracle::HourDecl& s : suns) {
        if (!(o.sky().altitude(s.hourAngle, s.declination) > cyltest::kOnTheHorizonDeg) ||
            !withinTheSamples(s))
            continue;
        const auto p = o.shadow(s.hourAngle, s.declination);
        if (!p || !o.castByRealSun(*p, -1e-9)) continue;
        const double X = o.eastOf(p->x) - o.foot().x;
        if (X < -1 || X > to || p->x < -plot.ShiftX() || p->x >= plot.QuadranteL() - plot.ShiftX() ||
            -p->y < -plot.ShiftY() || -p->y >= plot.QuadranteH() - plot.ShiftY())
            continue;
        double nearest = std::numeric_limits<double>::infinity();
        for (const DialXY& q : points) nearest = std::fmin(nearest, oracle::distance(*p, q));
        if (!(nearest <= step))
            return testing::AssertionFailure()
                   << what << ": the shadow of H " << s.hourAngle << ", decl " << s.declination
                   << " at (" << p->x << ", " << p->y << ") lies " << nearest
                   << " m from the nearest point drawn";
    }
    return testing::AssertionSuccess();
}

// No point at the tip's level or above: a sun on the horizon casts no shadow, and the horizon
// itself is no line of the sun.
testing::AssertionResult belowTheTipsLevel(const std::vector<DialXY>& points,
                                           const std::string& what) {
    for (const DialXY& p : points)
        if (!(p.y < -1e-12))
            return testing::AssertionFailure()
                   << what << ": the point (" << p.x << ", " << p.y << ") is not below the tip";
    return testing::AssertionSuccess();
}

oracle::Vec3 hourPlaneNormal(const oracle::ParabolicOracle& o, double H) {
    return oracle::cross(o.sky().pole(), o.sky().sun(H, 0));
}

// The hour lines of a whole-hour loop (tagged with the loop's hour), each of hour angle
// hourAngle(H): on their planes and drawn where the model says. Returns how many points they
// hold.
std::size_t expectHourLines(ParabolicDial& dial, const oracle::ParabolicOracle& o,
                            const Drawing& d, const std::function<double(double)>& hourAngle,
                            bool noonDrawn) {
    const auto lines = d.byTag();
    std::size_t total = 0;
    for (double H : numeric::StepRange(-90, 90, 15)) {
        if (H == 0 && !noonDrawn) {
            // True noon is the noon generatrix.
            EXPECT_EQ(lines.count(0), 0u);
            continue;
        }
        const auto line = lines.find(H);
        const std::vector<DialXY> points =
            line == lines.end() ? std::vector<DialXY>{} : line->second;
        total += points.size();
        const std::string what = "hour " + std::to_string(H);
        const double tau = hourAngle(H);
        expectHourLine(o, tau, points, what);
        // The two six o'clock lines are the halves of one plane: each draws its own.
        EXPECT_TRUE(drawnWhereTheModelSays(dial, o, points, hourPlaneNormal(o, tau), 1.5,
                                           hourLineVerdict(o, tau, std::fabs(H) == 90), what));
        EXPECT_TRUE(laidWithinTheStep(dial, o, cyltest::sunsOfHour(tau), points, 1.5, what));
        EXPECT_TRUE(belowTheTipsLevel(points, what));
    }
    return total;
}

TEST_P(ParabolicLines, HourLinesAreTheRealShadowsOfTheirHours) {
    const auto o = dial->oracle();
    dial->tagWith(&shell::Module1::HourAngleRad);
    const Drawing d = dial->drawSection(cyl::DrawParabolicHourLines);
    // The concave side runs through the hours the other way.
    const double s = GetParam().convex ? 1 : -1;
    EXPECT_EQ(expectHourLines(*dial, o, d, [s](double H) { return s * H; }, false),
              d.points.size());
    for (const DrawnPoint& p : d.points)
        ASSERT_EQ(p.colour, colourOf(p.tag == 90 ? 9 : 7)) << "hour " << p.tag;
}

TEST_P(ParabolicLines, SubstyleIsTheHourPlaneThroughTheStyle) {
    const Cylinder c = GetParam();
    // The driver leaves it out at the equator.
    if (c.lat == 0) return;
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicSubstyleLine);
    if (c.decl == 0) {
        EXPECT_TRUE(d.points.empty());
        return;
    }
    const double H = o.sky().deg(std::atan(std::tan(o.sky().rad(c.decl)) /
                                           std::sin(o.sky().rad(c.lat))));
    EXPECT_TRUE(allWithin(d.at(), [&](DialXY p) { return o.distanceToHourLine(H, p); },
                          "substyle"));
    EXPECT_TRUE(drawnWhereTheModelSays(*dial, o, d.at(), hourPlaneNormal(o, H), 1.5,
                                       hourLineVerdict(o, H, false), "substyle"));
    EXPECT_TRUE(laidWithinTheStep(*dial, o, cyltest::sunsOfHour(H), d.at(), 1.5, "substyle"));
    for (const DrawnPoint& p : d.points) ASSERT_EQ(p.colour, colourOf(9));
}

TEST_P(ParabolicLines, EquinoctialIsTheCutOfTheEquator) {
    const Cylinder c = GetParam();
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicEquinoctialLine);
    if (c.lat == 0) {
        // The plane of the equator stands upright: no height over a sample can be computed,
        // and the line is drawn by heights, down the generatrix it cuts, where the sun shines.
        bool cast = false;
        for (double H = -89; H <= 89; ++H)
            if (const auto p = o.shadow(H, 0)) cast = cast || realSun(o, *p) == true;
        EXPECT_EQ(d.points.size() > 50u, cast);
        EXPECT_TRUE(allWithin(d.at(), [&](DialXY p) { return o.distanceToEquinoctial(p); },
                              "equinoctial"));
        for (const DialXY& p : d.at()) ASSERT_NE(realSun(o, p), std::optional<bool>(false));
        return;
    }
    EXPECT_TRUE(allWithin(d.at(), [&](DialXY p) { return o.distanceToEquinoctial(p); },
                          "equinoctial"));
    // Every sun of the equator is one of the year.
    EXPECT_TRUE(drawnWhereTheModelSays(*dial, o, d.at(), o.sky().pole(), 1.5,
                                       [&](DialXY p) { return realSun(o, p); }, "equinoctial"));
    EXPECT_TRUE(laidWithinTheStep(*dial, o, cyltest::sunsOfDeclination(0), d.at(), 1.5,
                                  "equinoctial"));
}

// How many shadows the suns of declination +decl and -decl cast on the generatrix of abscissa
// xi between the height `lowest` and the tip, by the model: the sun from each point of the
// generatrix is scanned for that declination. nullopt when a shadow lies too near another, the
// tip or a border to count.
std::optional<int> declinationShadowsOn(const oracle::ParabolicOracle& o, double xi,
                                        double declination, double lowest) {
    constexpr double kScan = 1e-3;
    const oracle::Vec3 base = o.surfacePoint({xi, 0});
    const oracle::Vec3 pole = o.sky().pole();
    const double sin2 = std::pow(std::sin(o.sky().rad(declination)), 2);
    auto onCone = [&](double z) {
        const oracle::Vec3 w = o.tip() - (base + z * oracle::Sky::zenith());
        return oracle::dot(w, pole) * oracle::dot(w, pole) - sin2 * oracle::dot(w, w);
    };
    std::vector<double> roots;
    for (double z = lowest; z < 0; z += kScan) {
        const double top = std::min(z + kScan, 0.0);
        if ((onCone(z) > 0) == (onCone(top) > 0)) continue;
        double lo = z, hi = top;
        for (int i = 0; i < 60; ++i) {
            const double mid = (lo + hi) / 2;
            ((onCone(mid) > 0) == (onCone(lo) > 0) ? lo : hi) = mid;
        }
        roots.push_back((lo + hi) / 2);
    }
    int count = 0;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (roots[i] > -1e-6 || (i > 0 && roots[i] - roots[i - 1] < 2 * kScan)) return {};
        const std::optional<bool> real = realSun(o, {xi, roots[i]});
        if (!real) return {};
        count += *real;
    }
    return count;
}

TEST_P(ParabolicLines, DeclinationLinesAreTheRealShadowsOfTheirDays) {
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicDeclinationLines);
    const plot::PlotSurface& plot = dial->surface();
    const double lowest = -(plot.QuadranteH() - plot.ShiftY());
    struct Line {
        int colour;
        double declination;
    };
    std::size_t total = 0;
    for (const Line line : {Line{12, 23.45}, Line{13, 20.001}, Line{11, 11.5001}}) {
        const auto points = d.withColour(colourOf(line.colour));
        total += points.size();
        const std::string what = "declination " + std::to_string(line.declination);
        EXPECT_TRUE(allWithin(
            points, [&](DialXY p) { return o.distanceToDeclinationPair(line.declination, p); },
            what));
        // Sample by sample, as many points as the model finds shadows of that day.
        int mismatches = 0, shadows = 0;
        for (double X : numeric::StepRange(-1, 1, dialtest::kPointStep)) {
            const double xi = o.developed(o.foot().x + X);
            if (xi < -plot.ShiftX() || xi >= plot.QuadranteL() - plot.ShiftX()) continue;
            std::vector<double> heights;
            for (const DialXY& p : points)
                if (std::fabs(p.x - xi) < 1e-9) heights.push_back(p.y);
            if (heights.size() == 2 && std::fabs(heights[0] - heights[1]) < 2e-3) continue;
            const std::optional<int> expected =
                declinationShadowsOn(o, xi, line.declination, lowest);
            if (!expected) continue;
            shadows += *expected;
            if (*expected != static_cast<int>(heights.size())) {
                ++mismatches;
                ADD_FAILURE() << what << ": " << heights.size() << " points drawn at xi " << xi
                              << " where the model finds " << *expected << " shadows";
            }
            if (mismatches > 3) break;
        }
        EXPECT_GT(shadows, 0) << what;
        for (const double decl : {line.declination, -line.declination})
            EXPECT_TRUE(laidWithinTheStep(*dial, o, cyltest::sunsOfDeclination(decl), points, 1,
                                          "declination " + std::to_string(decl)));
    }
    EXPECT_EQ(total, d.points.size());
}

// Italian hour n (24 - alpha / 15 for alpha 0..180) and Babylonian hour n (-alpha / 15 for
// -180..0) lie on one great circle of suns, whose plane through the tip cuts the line. The
// circle holds the suns of Italian hour n on one half and of Babylonian hour n on the other:
// each line is drawn where a real sun of its own hour casts the shadow. A plane standing upright
// (alpha 180 at latitude 45) cuts the samples far off the plot; it is drawn by heights (see
// ParabolicUprightPlanes).
void expectTurnedHorizons(ParabolicDial& dial, const oracle::ParabolicOracle& o,
                          const Drawing& d, bool italian) {
    const auto lines = d.byTag();
    for (double alpha : numeric::StepRange(italian ? 0 : -180, italian ? 180 : 0, 15)) {
        const double n = italian ? 24 - alpha / 15 : -alpha / 15;
        const oracle::Vec3 normal =
            italian ? o.sky().italianCircleNormal(n) : o.sky().babylonianCircleNormal(n);
        const std::string what = (italian ? "Italian " : "Babylonian ") + std::to_string(n);
        const auto line = lines.find(alpha);
        const std::vector<DialXY> points =
            line == lines.end() ? std::vector<DialXY>{} : line->second;
        EXPECT_TRUE(allWithin(points, [&](DialXY p) { return o.distanceToPlaneCut(normal, p); },
                              what));
        const Verdict ownHour = [&](DialXY p) -> std::optional<bool> {
            const std::optional<bool> real = realSun(o, p);
            if (!real || !*real) return real;
            const oracle::HourDecl sun = o.sunFor(p);
            // A sun that only touches the horizon is of both halves.
            const std::optional<double> sunset = o.sky().sunsetHourAngle(sun.declination);
            if (!sunset || std::fabs(std::sin(o.sky().rad(*sunset))) < 1e-6) return std::nullopt;
            const std::optional<double> hour =
                italian ? o.sky().italianHourOf(sun.hourAngle, sun.declination)
                        : o.sky().babylonianHourOf(sun.hourAngle, sun.declination);
            return std::fabs(std::remainder(*hour - n, 24.0)) < 1e-6;
        };
        EXPECT_TRUE(drawnWhereTheModelSays(dial, o, points, normal, 1, ownHour, what));
        EXPECT_TRUE(laidWithinTheStep(dial, o, cyltest::sunsOfItalianHour(o.sky(), n, italian),
                                      points, 1, what));
        // The horizon (Italian 24, Babylonian 0) is no line.
        EXPECT_TRUE(belowTheTipsLevel(points, what));
    }
}

TEST_P(ParabolicLines, ItalianAndBabylonianHoursAreTheRealShadowsOfTheirHours) {
    dial->tagWith(&shell::Module1::HourLoop);
    const auto o = dial->oracle();
    const Drawing italian = dial->drawSection(cyl::DrawParabolicItalianHours);
    for (const DrawnPoint& p : italian.points) ASSERT_EQ(p.colour, colourOf(12));
    expectTurnedHorizons(*dial, o, italian, true);
    const Drawing babylonian = dial->drawSection(cyl::DrawParabolicBabylonianHours);
    for (const DrawnPoint& p : babylonian.points) ASSERT_EQ(p.colour, colourOf(13));
    expectTurnedHorizons(*dial, o, babylonian, false);
}

TEST_P(ParabolicLines, GeneratricesAndTriangleStandWhereTheModelPutsThem) {
    const Cylinder c = GetParam();
    const auto o = dial->oracle();
    const Drawing g = dial->drawSection(cyl::DrawParabolicGeneratrices);
    // The noon generatrix runs over the heights the noon shadows of the year reach within the
    // plot area: its line is drawn where one falls there.
    const plot::PlotSurface& plot = dial->surface();
    const double top = plot.ShiftY(), bottom = plot.ShiftY() - plot.QuadranteH();
    std::vector<double> noon;
    bool noonShown = false;
    for (int k = 0; k <= 938; ++k) {
        const double decl = -23.45 + 0.05 * k;
        const auto p = o.shadow(0, decl);
        if (!p || !(o.sky().altitude(0, decl) > cyltest::kOnTheHorizonDeg) ||
            !o.castByRealSun(*p, -1e-9))
            continue;
        noon.push_back(p->y);
        noonShown = noonShown || (p->y >= bottom && p->y < top && p->x >= -plot.ShiftX() &&
                                  p->x < plot.QuadranteL() - plot.ShiftX());
    }
    ASSERT_EQ(g.segments.size(), noonShown ? 2u : 1u);
    EXPECT_NEAR(g.segments[0].a.x, o.developed(0), 1e-9);  // the vertex
    EXPECT_EQ(g.segments[0].colour, colourOf(1));
    if (noonShown) {
        EXPECT_NEAR(g.segments[1].a.x, o.noonAbscissa(), 1e-9);
        EXPECT_EQ(g.segments[1].colour, colourOf(4));
        cyltest::expectNoonLineOverItsShadows(g.segments[1], noon, bottom, top);
    }
    for (const auto& s : g.segments) EXPECT_EQ(s.a.x, s.b.x);

    // The polar style's top is the centre, where every hour line meets the noon generatrix.
    const Drawing t = dial->drawSection(cyl::DrawParabolicStyleTriangle);
    ASSERT_EQ(t.segments.size(), 4u);
    const auto& style = t.segments[0];
    EXPECT_NEAR(style.a.x, o.centre().x, 1e-9);
    EXPECT_NEAR(style.a.y, o.centre().y, 1e-9);
    EXPECT_NEAR(style.b.y, 0, 1e-12);
    EXPECT_NEAR(oracle::distance(style.a, style.b), dial->m().StyleHypotenuse, 1e-9);
    EXPECT_NEAR(t.segments[2].b.y, c.style, 1e-12);  // the perpendicular style, folded up
}

// The shadow of the true sun at 12:00 of the zone, day by day, where it falls: nothing on the
// days when that sun is behind the wall or its shadow cannot reach the surface. West of its zone
// meridian a place sees noon before 12:00; two hours of zone put it well into the morning.
TEST_P(ParabolicLines, AnalemmaIsTheTrueSunAtStandardNoon) {
    struct Place {
        double lonWest, zone;
    };
    for (const Place place : {Place{-12.5, -1}, Place{-2.2, -2}}) {
        SCOPED_TRACE("longitude " + std::to_string(place.lonWest));
        dial->set("txtLON", dialtest::number(place.lonWest));
        dial->set("TxtFuso", dialtest::number(place.zone));
        ASSERT_TRUE(dial->setUp());
        const auto o = dial->oracle();
        const Drawing d = dial->drawSection(cyl::DrawParabolicAnalemma);
        const plot::PlotSurface& plot = dial->surface();
        const double obliquity = dials::kAnalemmaObliquityDeg * oracle::kStoredPi / 180;
        auto shadowOn = [&](double T) {
            const auto sun = dials::sunForDay(T, obliquity, oracle::kStoredPi);
            const double H = o.sky().deg(-sun.equationOfTime()) +
                             oracle::standardMeridianCorrection(place.lonWest, place.zone);
            return o.shadow(H, o.sky().deg(sun.declination));
        };
        // A shadow a real sun casts where the plot shows it.
        auto onDial = [&](DialXY at) {
            return o.castByRealSun(at) && at.x >= -plot.ShiftX() &&
                   at.x < plot.QuadranteL() - plot.ShiftX() && -at.y >= -plot.ShiftY() &&
                   -at.y < plot.QuadranteH() - plot.ShiftY();
        };
        EXPECT_TRUE(cyltest::drawsTheAnalemma(d.at(), shadowOn, onDial, 0, 360,
                                              dials::kMeanDayDeg, 1e-6, dialtest::kPointStep));
    }
}

// The year closes on its first day: the figure's last point lies within the point step of its
// first, and that day is not drawn twice.
TEST(ParabolicAnalemma, ClosesWhereTheYearCloses) {
    ParabolicDial dial({10.3439, 17.1726, false, 0.25, 0.3439},
                       {{"TxtHour", "3"}, {"txtLON", "31.6456"}, {"TxtFuso", "1"},
                        {"txt_Definition", "1"}});
    ASSERT_TRUE(dial.setUp());
    const std::vector<DialXY> year = dial.drawSection(cyl::DrawParabolicAnalemma).at();
    ASSERT_GT(year.size(), 366u);
    EXPECT_LE(oracle::distance(year.front(), year.back()), 0.002);
    EXPECT_GT(oracle::distance(year.front(), year.back()), 1e-6);
}

const Cylinder kCylinders[] = {
    {45, 0, false},           {45, 30, false},         {52, -60, false, 0.5, 0.15},
    {30, 70, false, 0.2},     {10, -20, false, 1.0},   {0, 20, false},
    {45, 0, true},            {45, 30, true},          {40, -45, true, 1.0, 0.2},
    {60, -70, true, 0.25},    {20, 10, true, 2.0, 0.3}, {0, -35, true},
    // Convex walls whose tip reaches a narrow part of the surface; the noon sun of the zone
    // behind a wall facing west-south-west; the noon sun north of the zenith in the tropics.
    {45, 20, true, 0.5, 0.2}, {41.4, 66, true, 0.5, 0.02}, {10, 30, true}, {5, -10, false, 0.4},
    // The style's tip beyond the parabola's axis on the concave side.
    {45, 35, false, 0.3, 0.5}, {30, -50, false, 0.2, 0.4},
    // Latitudes equal, or all but equal, to the declination of a line the dial draws.
    {23.45, 0, false, 0.5, 0.2}, {23.45, 25, true, 0.5, 0.2}, {20.001, 15, true},
    {20, 0, false, 0.5, 0.2},    {20.01, 40, false},         {11.5001, -30, false},
    {11.5, 0, true, 0.5, 0.2},   {11.501, -10, true},
    // Sections sharp as a knife's edge, the shadows many radii west of the vertex.
    {44, 1, true, 1e-9, 0.01},   {43, 3, true, 5e-9, 0.01},
};

INSTANTIATE_TEST_SUITE_P(Cylinders, ParabolicLines, testing::ValuesIn(kCylinders), cylinderName);

// Planes through the tip that stand upright are drawn by heights, down the generatrices they
// cut, where a real sun of their line casts the shadow: the Italian and Babylonian hour whose
// turned horizon is the prime vertical (latitude 45), and an hour of standard time 0.14 degrees
// off true noon.
TEST(ParabolicUprightPlanes, AreDrawnByHeightsWhereTheirSunsShine) {
    // On the concave side the prime vertical through the tip cuts both arms.
    {
        ParabolicDial dial({45, 30, false, 0.5, 0.2}, only({}));
        ASSERT_TRUE(dial.setUp());
        const auto o = dial.oracle();
        dial.tagWith(&shell::Module1::HourLoop);
        for (const auto& [section, italian] :
             {std::pair{&cyl::DrawParabolicItalianHours, true},
              {&cyl::DrawParabolicBabylonianHours, false}}) {
            const auto lines = dial.drawSection(section).byTag();
            const auto line = lines.find(italian ? 180 : -180);
            ASSERT_NE(line, lines.end()) << italian;
            EXPECT_GT(line->second.size(), 50u);
            EXPECT_TRUE(allWithin(line->second, [&](DialXY p) {
                return o.distanceToPlaneCut(o.sky().italianCircleNormal(12), p);
            }, "the upright turned horizon"));
            for (const DialXY& p : line->second) {
                ASSERT_NE(realSun(o, p), std::optional<bool>(false));
                const oracle::HourDecl sun = o.sunFor(p);
                const auto hour =
                    italian ? o.sky().italianHourOf(sun.hourAngle, sun.declination)
                            : o.sky().babylonianHourOf(sun.hourAngle, sun.declination);
                if (hour) {
                    EXPECT_NEAR(std::remainder(*hour - 12, 24), 0, 1e-6);
                }
            }
        }
    }
    ParabolicDial standard({10, 0, false, 0.5, 0.2}, only({"ck_Etna"}));
    ASSERT_TRUE(standard.setUp());
    const auto o = standard.oracle();
    const double H = 7.5 + oracle::standardMeridianCorrection(-7.6438, -1);
    const Drawing d = standard.drawSection(cyl::DrawParabolicHourLines);
    std::size_t onLine = 0;
    for (const DialXY& p : d.at()) onLine += o.distanceToHourLine(H, p) < 1e-6;
    EXPECT_GT(onLine, 50u);
}

// With standard-meridian time each line moves by the zone's correction, and the hour of 12:00
// is drawn; the correction moves the lines the same way on both sides.
class ParabolicStandardTime : public testing::TestWithParam<bool> {};

TEST_P(ParabolicStandardTime, EveryLineMovesByTheZoneCorrection) {
    constexpr double lonWest = -7.5, zone = -1;
    ParabolicDial dial({45, 20, GetParam()}, only({"ck_Etna"}));
    dial.set("TxtHour", "1");
    dial.set("txtLON", dialtest::number(lonWest));
    dial.set("TxtFuso", dialtest::number(zone));
    ASSERT_TRUE(dial.setUp());
    const auto o = dial.oracle();
    dial.tagWith(&shell::Module1::HourAngleRad);
    const Drawing d = dial.drawSection(cyl::DrawParabolicHourLines);
    const double correction = oracle::standardMeridianCorrection(lonWest, zone);
    const double s = GetParam() ? 1 : -1;
    EXPECT_EQ(expectHourLines(dial, o, d, [&](double H) { return s * H + correction; }, true),
              d.points.size());
    // 12:00 of the zone is drawn.
    const auto lines = d.byTag();
    ASSERT_EQ(lines.count(0), 1u);
    EXPECT_GT(lines.at(0).size(), 10u);
    EXPECT_EQ(d.withColour(colourOf(12)).size(), lines.at(0).size());
}

INSTANTIATE_TEST_SUITE_P(Sides, ParabolicStandardTime, testing::Bool());

}  // namespace
}  // namespace paratest
