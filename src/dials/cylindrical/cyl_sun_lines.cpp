// The lines of the sun that the 3D, parametric, projective and parabolic programmes lay alike,
// each across its generatrices by its own sweep: the cut of a plane through the tip, the hour
// lines, the Italian and Babylonian hours, the pairs of declination lines.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/sun_series.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

GeneratrixSweep circularSweep(shell::Context& ctx, GeneratrixSweep::Lay lay) {
    return {std::move(lay),
            [&ctx](const std::vector<Vec3>& suns) {
                return CylinderShadow::from(ctx.m).shadowTurns(suns, ctx.m.Pi);
            },
            [&ctx](double delta) {
                return CylinderShadow::from(ctx.m).coneTouchingTurns(delta, ctx.m.Pi);
            }};
}

SunOnLine meanNoonSun(const shell::Module1& m, double day) {
    const SunSeries sun = sunForDay(day, analemmaObliquityRad(m.Pi), m.Pi);
    return {-sun.equationOfTime() - m.ZoneCorrRad, sun.declination};
}

void layPlaneCut(const GeneratrixSweep& sweep, const Vec3& normal, const SunKept& keep,
                 numeric::Colour colour, const std::vector<Vec3>& endSuns) {
    const std::vector<double> ends = sweep.sunEnds(endSuns);
    if (sweep.planeCut) return sweep.planeCut(normal, keep, colour, ends);
    sweep.lay([&](const Vec3& h) { return planeHeightAt(normal, h); }, keep, colour, ends);
}

void layHourLine(shell::Context& ctx, const GeneratrixSweep& sweep, const HourPlaneHalf& half,
                 bool otherHalfKept, numeric::Colour colour) {
    const double phi = ctx.m.LatRad;
    const Vec3 normal = hourPlaneNormal(phi, half.hourAngle());
    layPlaneCut(
        sweep, normal, [&](const Vec3& sun) { return half.keeps(sun); }, colour,
        planeLineEndSuns(phi, normal, half, otherHalfKept, ctx.m.Pi));
}

void drawTurnedHorizons(shell::Context& ctx, const GeneratrixSweep& sweep, double& counter,
                        bool italian, double fromDeg, double turnedBy) {
    const shell::Module1& m = ctx.m;
    const double phi = m.LatRad;
    const numeric::Colour colour =
        shell::LineColor(ctx, italian ? palette::kLightRed : palette::kLightMagenta);
    numeric::countedLoop(counter, fromDeg, fromDeg + 180, 15, [&](double A) {
        // The turn towards the east; the shared sky's runs towards the west.
        const double turn = A * m.Pi / 180 + turnedBy;
        const HourPlaneHalf half =
            HourPlaneHalf::ofTurnedHorizon(phi, westward(turn), m.Pi, italian);
        const Vec3 normal = turnedHorizonNormal(phi, westward(turn));
        layPlaneCut(
            sweep, normal, [&](const Vec3& sun) { return half.onOwnHalf(sun); }, colour,
            planeLineEndSuns(phi, normal, half, false, m.Pi));
    });
}

void drawDeclinationLines(shell::Context& ctx, const GeneratrixSweep& sweep, double month,
                          double zodiac) {
    const shell::Module1& m = ctx.m;
    const CylinderShadow shadow = CylinderShadow::from(m);
    for (const DeclinationLine& line : {DeclinationLine{kSolsticeDeg, palette::kLightRed},
                                        {month, palette::kLightMagenta},
                                        {zodiac, palette::kLightCyan}}) {
        const double delta = line.degrees * m.Pi / 180;
        const numeric::Colour colour = shell::LineColor(ctx, line.colour);
        std::vector<double> ends = sweep.coneTouchingEnds(delta);
        const std::vector<double> risings = sweep.sunEnds(risingAndSettingSuns(m.LatRad, delta));
        ends.insert(ends.end(), risings.begin(), risings.end());
        for (const bool minus : {true, false})
            sweep.lay(
                [&](const Vec3& h) {
                    const numeric::QuadraticRoots heights = shadow.coneCrossings(h, delta);
                    return minus ? heights.minus : heights.plus;
                },
                everySunKept, colour, ends);
    }
}

}  // namespace dials::cylindrical
