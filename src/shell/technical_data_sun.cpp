// Lines of the sun: the shortest and longest day, sunrise and sunset at the declination typed
// in the optional declination box, the hours at which the sun reaches and leaves the dial, and
// the critical declinations.

#include <algorithm>
#include <cmath>
#include <string>

#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

namespace {

using numeric::checkedDiv;
using numeric::roundHalfEven;

// The shortest and the longest day, from the day's arcs of the solstice suns; none at all and
// one of 24 hours beyond the polar circle, where those suns do not rise or do not set.
void writeDayLengths(DataList& list) {
    Module1& m = list.m;
    m.SunDecl = list.rad(geometry::kSolsticeDeg);
    const double latitude = std::fabs(m.LatRad);
    const double longest = geometry::semiDiurnalArc(latitude, m.SunDecl, m.Pi);
    if (geometry::risesAndSets(longest, m.Pi)) {
        const double shortest = geometry::semiDiurnalArc(latitude, -m.SunDecl, m.Pi);
        list.line("Shortest day:    " + hms(checkedDiv(24 * shortest, m.Pi)));
        list.line("Longest day:    " + hms(checkedDiv(24 * longest, m.Pi)));
    } else {
        list.line("Shortest day:   0 h ");
        list.line("Longest day:   24 h ");
    }
}

// The hours at which the sun reaches and leaves the dial, in the order of the day. The face is
// lit while the hour lies within the window [on, off] around the substyle hour, taken modulo 24
// hours: a window centred near midnight reaches into the day from both ends, so the windows of
// the day before and the day after are cut to [sunrise, sunset] too, and a face can be lit in
// two intervals. The ends are compared as shown, to the hundredth of an hour, so that a window
// that only touches the day (a sun grazing the face) makes no interval. Returns false when the
// sun never lights the dial that day (the list ends).
bool writeDialHours(DataList& list, double sunrise, double sunset, double on, double off) {
    bool lit = false;
    for (const double day : {-24.0, 0.0, 24.0}) {
        const double from = roundHalfEven(std::max(sunrise, on + day), 2);
        const double to = roundHalfEven(std::min(sunset, off + day), 2);
        if (from >= to) continue;
        list.line("Sun on dial at " + plain(from));
        list.line("Sun off dial at " + plain(to));
        lit = true;
    }
    if (!lit) list.line("Sun off dial all the day ");
    return lit;
}

void writeCriticalDeclinations(DataList& list) {
    const Module1& m = list.m;
    const double ratio = checkedDiv(std::sin(list.rad(geometry::kSolsticeDeg)), std::cos(m.LatRad));
    // At the pole the cosine of the latitude is 0 but for the stored Pi's rounding, of either sign:
    // the ratio is infinite there, as beyond the polar circle, and no line is written.
    if (std::fabs(ratio) < 1)
        list.line("critical declination of the dial = " + rounded(list.deg(ArcSin(m, ratio)), 2));
    if (std::fabs(std::sin(m.WallDeclRad) * std::cos(m.LatRad)) < 1)
        list.line("critical declination of the sun = " +
                  rounded(list.deg(ArcSin(m, -std::cos(m.LatRad) * std::sin(m.WallDeclRad))), 2));
}

// The substyle hour and the critical declinations, which need no sun's declination.
void writeSubstyleHourAndCriticalDeclinations(DataList& list) {
    list.line("substyle hour = " + rounded(12 + list.deg(list.m.SubstyleHour) / 15, 5));
    list.plot.setForeColor(numeric::qbColor(numeric::palette::kLightGrey));
    writeCriticalDeclinations(list);
}

void writeOptionalDeclination(DataList& list) {
    Module1& m = list.m;
    const int hs = m.HemisphereSign;
    list.plot.setForeColor(numeric::qbColor(numeric::palette::kLightCyan));
    // The declination line box, greyed out by most programmes, may hold anything: in place of
    // the sun's lines at that declination the list says where the box is edited, and lists what
    // needs no declination.
    if (!list.usable("txtlineofdeclination")) {
        list.notListed("Sun's declination", "txtlineofdeclination",
                       ", or compute it on the Utilities board");
        if (!list.cylindricalProgramme()) writeSubstyleHourAndCriticalDeclinations(list);
        return;
    }
    const double delta = list.number("txtlineofdeclination");
    m.SunDecl = list.rad(delta);

    // Half-day arc, and half-arc during which the sun lights the dial around the substyle hour:
    // the arc of the same sun above the face, whose pole stands at the style's elevation. Each is
    // in degrees, 0 when that sun does not rise, 180 when it does not set, by the sky's one rule
    // for a sun that only grazes. A face parallel to the equator holds the daily circle of the sun
    // of declination 0: that sun grazes the face all day and lights none of it.
    m.SolarTemp = list.deg(geometry::semiDiurnalArc(hs * m.LatRad, m.SunDecl, m.Pi));
    const double W = list.deg(geometry::semiDiurnalArc(hs * m.StyleElevRad, m.SunDecl, m.Pi));

    const double sunrise = 12 - m.SolarTemp / 15;
    const double sunset = 12 + m.SolarTemp / 15;
    const double S = list.deg(m.SubstyleHour);
    // A sun on the face the whole day round lights the dial from sunrise to sunset: its window
    // of 24 hours is taken around noon, so that it holds the day whatever the substyle hour.
    const double middle = W == 180 ? 12 : 12 + S / 15;
    const double on = middle - W / 15;
    const double off = middle + W / 15;

    list.line("Sun's declination = " + rounded(delta, 3));
    if (m.SolarTemp == 0) {
        list.line("Sun down all day ");
        return;
    }
    if (m.SolarTemp == 180) {
        list.line("Sun up all day ");
    } else {
        list.line("Sunrise at " + rounded(sunrise, 2));
        list.line("Sunset at " + rounded(sunset, 2));
    }
    if (list.cylindricalProgramme()) return;
    if (!writeDialHours(list, sunrise, sunset, on, off)) return;

    writeSubstyleHourAndCriticalDeclinations(list);
}

}  // namespace

void writeSun(DataList& list) {
    writeDayLengths(list);
    writeOptionalDeclination(list);
}

}  // namespace shell::technical_data
