#include "inclined_fixture.h"

#include <cmath>

#include "dispatch/driver_table.h"
#include "drawn_shadows.h"
#include "dials/spherical/spherical.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace inclinedtest {

InclinedDial::InclinedDial(const Plane& plane, const dialtest::Settings& extra)
    : PlaneDial("mnuUni", plane, extra) {
    tagWith(&shell::Module1::HourAngleRad);
}

bool InclinedDial::setUp() {
    shell::DriverTable table;
    table.RunInclinedSpherical = dials::spherical::PrepareSphericalData;
    return runWith(table);
}

oracle::ShadowOracle InclinedDial::oracle() const {
    const Plane& p = plane();
    if (std::fabs(p.recl) == 90)
        return oracle::ShadowOracle(p.lat, p.lat >= 0 ? 0 : 180, 90, p.style);
    if (p.lat >= 0) return oracle::ShadowOracle(p.lat, p.decl, p.recl, p.style);
    return oracle::ShadowOracle(p.lat, 180 - p.decl, -p.recl, p.style);
}

double InclinedDial::oracleHour(double programmeRad) const {
    const double degrees = programmeRad * 180 / oracle::kStoredPi;
    return plane().lat >= 0 ? degrees : -degrees;
}

const std::vector<Plane>& planes() {
    static const std::vector<Plane> list = {
        {45, 0, 0},    {45, 30, 0},    {52, -25, 35},  {40, 20, -25},  {45, 0, 90},
        {45, 160, 10}, {10, 60, 45},   {-35, 20, -30}, {-40, 170, 0},  {-45, 0, -90},
        {-52, -40, 25}, {-33, 0, 0},   {-35, -120, 30},
    };
    return list;
}

const std::vector<Plane>& pastTheVertical() {
    static const std::vector<Plane> list = {
        {45, 0, 100},    {45, 180, 80},   {50, 10, 120},
        {52, -150, 170}, {-45, 20, -100}, {-40, 160, -135},
    };
    return list;
}

const std::vector<Plane>& otherSignHorizontals() {
    static const std::vector<Plane> list = {
        {45, 30, -90}, {10, 0, -90}, {-33.87, 0, 90}, {-60, 20, 90},
    };
    return list;
}

testing::AssertionResult allOnTaggedHourLines(const InclinedDial& dial,
                                              const dialtest::Drawing& d) {
    const oracle::ShadowOracle o = dial.oracle();
    for (const auto& [tag, points] : d.byTag()) {
        testing::AssertionResult r = oracle::allOnHourLine(o, dial.oracleHour(tag), points);
        if (!r) return r << " (programme hour angle " << tag << " rad)";
        for (const oracle::DialXY& p : points)
            if (!(o.altitudeAt(p.x, p.y) > -1e-7))
                return testing::AssertionFailure()
                       << "a point of the hour line " << tag << " rad at (" << p.x << ", " << p.y
                       << ") is the shadow of a sun below the horizon";
    }
    return testing::AssertionSuccess();
}

std::vector<sphtest::SweptLine> hourLinesOf(const InclinedDial& dial,
                                            const numeric::StepRange& hours, double step,
                                            const std::function<int(double H)>& colour) {
    std::vector<sphtest::SweptLine> out;
    for (double H : hours) {
        const double oracleH = dial.oracleHour(H * kPi / 180);
        out.push_back({[oracleH](double d) { return std::optional(oracle::HourDecl{oracleH, d}); },
                       -23.44, 23.44, step, sphtest::byDeclination(),
                       dialtest::colourOf(colour(H))});
    }
    return out;
}

std::vector<sphtest::SweptLine> dayLinesOf(const InclinedDial& dial, double declination,
                                           double from, double to, double step, int colour) {
    // The reflection of the southern points turns the programme's hour angle into its opposite.
    const double sign = dial.plane().lat >= 0 ? 1 : -1;
    return {{[sign, declination](double H) {
                 return std::optional(oracle::HourDecl{sign * H, declination});
             },
             from, to, step, sphtest::byHourAngle(sign), dialtest::colourOf(colour)}};
}

testing::AssertionResult laysTheLinesWhole(InclinedDial& dial, const dialtest::Drawing& d,
                                           const std::vector<sphtest::SweptLine>& lines) {
    const oracle::ShadowOracle o = dial.oracle();
    if (auto up = oracle::allCastClearOfTheHorizon(o, d.at()); !up) return up;
    return sphtest::laysTheLinesWhole(o, dialtest::kPlotArea, sphtest::colouredPoints(d), lines,
                                      dialtest::kLineStep);
}

}  // namespace inclinedtest
