// The Qibla: the direction of a chosen place (by default Mecca) seen from the dial's place, the
// shadow curve of the style tip at the moments when the sun stands in that direction, for every
// declination of the year, the place's name at the drawn end of the curve, and a block of
// text with the place's coordinates and the direction from the south and from the north.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "dials/geometry_names.h"
#include "dials/plot_mark.h"
#include "geometry/sky.h"
#include "dials/sky_lines/sky_lines.h"
#include "dials/sky_lines/sky_projection.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/format.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::sky_lines {

namespace {

// A number as the text block shows it: cut (not rounded) to five decimals.
std::string fiveDecimals(double x) { return numeric::toText(numeric::truncateDown(x, 5)); }

// A bearing in degrees as the text block shows it, within (-180, 180] as cut: one direction,
// one number, whichever side of the half turn the arithmetic left it.
std::string shownBearing(double degrees) {
    return numeric::toText(numeric::foldKeepingUpperEnd(
        numeric::truncateDown(degrees, 5, numeric::kDegreesPerRadian), 180));
}

// The great-circle direction of the place as a numerator and a denominator whose ratio is the
// tangent of the bearing: t = sin(dLon) / (cos(dLon) sin(phi) - tan(phiM) cos(phi)), longitudes
// west positive. The angle of the vector (denominator, numerator) is the azimuth of the place
// from the south, west positive, in its own quadrant. Both are taken times cos(phiM), so that
// a place at a pole has a direction: with the stored Pi the tangent of 90 degrees is a large
// negative number, which would turn the pole's direction about; no latitude lies beyond the
// pole, so that cosine is never taken below 0.
struct Direction {
    double numerator = 0;
    double denominator = 0;

    double fromSouth() const { return std::atan2(numerator, denominator); }
};

Direction directionOf(const shell::Module1& m, double phi, double latM, double lonM, double lon) {
    const double dLon = (lonM - lon) * m.Pi / 180;
    const double phiM = latM * m.Pi / 180;
    const double cosM = std::max(0.0, std::cos(phiM));
    return {std::sin(dLon) * cosM,
            std::cos(dLon) * std::sin(phi) * cosM - std::sin(phiM) * std::cos(phi)};
}

// The Qibla angle q of the text block, degrees: from the south (west positive) when the dial's
// place is north of the equator, from the north (east positive) otherwise. The arctangent of
// the ratio alone folds it into -90..90, which is 180 degrees off wherever the place lies
// towards the pole.
double qiblaAngle(const shell::Module1& m, const Direction& d, double phi) {
    const double sense = phi > 0 ? 1 : -1;
    return std::atan2(sense * d.numerator, sense * d.denominator) * 180 / m.Pi;
}

// The sun's hour angles at which it stands in the place's direction, for one declination, in the
// frame of the sky lines (turned over east to west south of the equator: there the place's
// azimuth is taken with the opposite sign). The vertical circle of azimuth q meets the day's
// circle where sin(beta - H') = w, H' = h H, tan(beta) = sin(phi) tan(q) and
// w = tan(delta) sin(beta) / tan(phi) (tan(delta) tan(q) on the equator). Of its two solutions
// beta - eta and beta - pi + eta those where the sun stands on the place's side of the zenith
// are kept, the first first: where the sun culminates near the zenith it can pass the place's
// azimuth twice in a morning (or an afternoon), both times above the horizon.
struct QiblaSky {
    double phi = 0;
    double h = 1;           // the hemisphere: 1, or -1 south of the equator
    double beta = 0;
    double tanQ = 0;        // tan(q), used on the equator
    double target = 0;      // the place's azimuth in this frame, radians from the south
};

std::vector<double> qiblaHourAngles(const shell::Module1& m, const QiblaSky& sky, double delta) {
    const double w = numeric::clampStoredPiSine(
        sky.phi == 0
            ? std::tan(delta) * sky.tanQ
            : numeric::checkedDiv(std::tan(delta) * std::sin(sky.beta), std::tan(sky.phi)));
    std::vector<double> hours;
    if (std::fabs(w) > 1) return hours;
    const double eta = shell::ArcSin(m, w);
    for (double H : {sky.h * (sky.beta - eta), sky.h * (sky.beta - m.Pi + eta)}) {
        // The sun's horizontal direction, towards the west and towards the south.
        const double west = std::cos(delta) * std::sin(H);
        const double south = std::sin(sky.phi) * std::cos(delta) * std::cos(H) -
                             std::cos(sky.phi) * std::sin(delta);
        if (west * std::sin(sky.target) + south * std::cos(sky.target) > 0) hours.push_back(H);
        // Where the vertical circle touches the day's circle (w = +-1) the two are one sun.
        if (std::fabs(w) == 1) break;
    }
    return hours;
}

}  // namespace

void PlotQibla(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();

    m.LatRad = numeric::checkFinite(in.number("txtLAT") * m.Pi / 180);
    const double h = m.LatRad == 0 ? 1 : numeric::sgn(m.LatRad);
    // The flat 3D programme folds the declination with the hemisphere sign: unfold it (on the
    // equator too, where the sign of the latitude would be 0 and lose the plane's declination).
    if (in.checked("M_Inclinati")) m.WallDeclRad = m.WallDeclRad * h;
    plot.Dati("");

    m.StyleLength = in.number("txtStilo");
    const double latM = in.number("txtQLat");
    const double lonM = in.number("txtQLong");
    const std::string place = in.text("txtLocation");
    const double lon = in.number("txtLON");
    m.ReclDeg = planeReclinationDeg(in, h);
    m.ReclRad = numeric::checkFinite(m.ReclDeg * m.Pi / 180);

    const double phi = m.LatRad;
    const Direction direction = directionOf(m, phi, latM, lonM, lon);
    const double q = qiblaAngle(m, direction, phi);
    QiblaSky sky;
    sky.phi = phi;
    sky.h = h;
    sky.target = h * direction.fromSouth();
    // tan(beta) = sin(phi) tan(q), beta within -90..90 even where tan(q) is infinite.
    const double s = direction.denominator < 0 ? -1 : 1;
    sky.beta = std::atan2(std::sin(phi) * direction.numerator * s, direction.denominator * s);
    // No direction at all when the place is the dial's own (or its antipode).
    const bool directionKnown =
        (direction.numerator != 0 || direction.denominator != 0) &&
        (phi != 0 || numeric::assignOrSkip(sky.tanQ, [&] {
             return numeric::checkedDiv(direction.numerator, direction.denominator);
         }));
    const SkyPlane plane = SkyPlane::of(phi, m.WallDeclRad, m.ReclRad, m.StyleLength, m.Pi);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightGreen);

    // The hour angles of the sun of declination delta in the place's direction: none
    // when the sun never stands there or they cannot be computed.
    auto hoursAt = [&](double delta) {
        std::vector<double> hours;
        if (directionKnown) numeric::skip([&] { hours = qiblaHourAngles(m, sky, delta); });
        return hours;
    };
    // The shadow of the sun of declination delta at hour angle H, drawn when a sun above the
    // horizon and in front of the plane casts it (on a horizontal plane every sun above the
    // horizon), left out when it cannot be computed. The plot keeps only the points within its
    // area: the last point it kept is where the label goes.
    std::optional<DialPoint> lastDrawn;
    auto drawAt = [&](double delta, double H) {
        numeric::skip([&] {
            m.HourAngleRad = H;
            const std::size_t kept = plot.displayList().points.size();
            const std::optional<DialPoint> p = plotSunlitShadow(plot, plane, h, H, delta, colour);
            if (plot.displayList().points.size() != kept) lastDrawn = p;
        });
    };

    if (shell::ticked(ctx, "ckQibla")) {
        for (double decl :
             numeric::StepRange(-kInnerSolsticeFineDeg, kInnerSolsticeFineDeg, 0.005)) {
            m.SunDecl = decl;
            const double delta = decl * m.Pi / 180;
            for (double H : hoursAt(delta)) drawAt(delta, H);
        }
        // The name at the solstice end of the curve; where that end is not drawn, at the last
        // point drawn; where no point is drawn, nowhere: a name without its curve marks nothing.
        const double solstice = kSolsticeDeg * h * m.Pi / 180;
        const std::vector<double> hours = hoursAt(solstice);
        if (!hours.empty()) drawAt(solstice, hours.front());
        plot.setForeColor(numeric::qbColor(numeric::palette::kLightGreen));
        if (lastDrawn)
            plotLabel(plot, place, {lastDrawn->x * h, lastDrawn->y * h},
                      {lastDrawn->x * h, (lastDrawn->y - 0.02 * h) * h});
        plot.setForeColor(numeric::qbColor(numeric::palette::kWhite));
    }

    // The place's table, at the plot area's left edge.
    const TextBlock table(plot, {-plot.ShiftX(), -0.75});
    table.line(place);
    plot.setForeColor(numeric::qbColor(numeric::palette::kLightGreen));
    table.line("latitude  = " + fiveDecimals(latM));
    table.line("longitude  = " + fiveDecimals(lonM));
    if (phi > 0) {
        table.line("Qibla from South = " + shownBearing(q) + "° azimuth");
        table.line("Qibla from North = " + shownBearing(q + 180) + "° azimuth");
    } else {
        table.line("Qibla from North = " + shownBearing(-q) + "° azimuth");
        table.line("Qibla from South = " + shownBearing(180 - q) + "° azimuth");
    }
    plot.setForeColor(numeric::qbColor(numeric::palette::kWhite));
}

}  // namespace dials::sky_lines
