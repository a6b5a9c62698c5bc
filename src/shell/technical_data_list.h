#pragma once
// Working state and steps of the technical-data list (used only by technical_data*.cpp).
//
// The list is written in three stages, each a function of its own file: the preparation that
// recomputes the style geometry from the inputs (nothing is drawn), the lines of the place, the
// triangle of the style and the characteristic hours, the equivalent vertical dial, and the
// lines of the sun. Any numerical failure is thrown as numeric::NumericFailure and ends the list
// at the line where it occurs, with a message that says so.

#include <string>

#include "geometry/face.h"
#include "plot/plot_surface.h"
#include "shell/context.h"

namespace shell::technical_data {

struct DataList {
    explicit DataList(Context& context);

    Context& ctx;
    Module1& m;
    InputRecord& inputs;
    plot::PlotSurface& plot;

    // The plane is treated as horizontal (reclination +-90 in a reclination box the checked
    // programme uses).
    bool horizontal = false;
    // Elevation sine of the polar style over the plane.
    double E = 0;
    // Longitude correction in minutes of time, and whether the zone box let it be computed.
    double M = 0;
    bool zoneUsable = true;
    // Centre of the dial (metres) and its texts.
    double Cx = 0, Cy = 0;
    std::string CxText, CyText;
    // Angle between the line of greatest slope and the noon line, as shown.
    std::string noonText;

    // The finite numeric value of a text box (a value that is not finite fails).
    double number(const char* name) const;
    // Whether the list can use what the box holds: a box the checked programme reads was
    // checked before the list began; one it greys out may hold anything, and the lines that
    // need it are listed only when it holds a number Run would take there (otherwise the
    // list writes notListed in their place).
    bool usable(const char* box) const;
    // The two lines written in place of `what` when a box the checked programme greys out holds
    // nothing the list can use: what is left out and what the box holds, then where the box is
    // edited (under the programmes that enable it, and `also`).
    void notListed(const std::string& what, const char* box, const std::string& also = {});
    bool checked(const char* name) const;
    // One of the six programmes whose style geometry the list shows.
    bool styleProgramme() const;
    // One of the three programmes that show the equivalent vertical dial.
    bool planeProgramme() const;
    // One of the five cylindrical programmes.
    bool cylindricalProgramme() const;

    // The plane as a face: its declination as typed and its reclination after the hemisphere's
    // sign, at the latitude folded to the north (LatRad, once prepared, holds its absolute
    // value). The list mirrors the centre's abscissa in the south.
    geometry::Face face() const;

    // Degrees to radians and back with the stored Pi.
    double rad(double degrees) const;
    double deg(double radians) const;

    // The next text line, under the previous one.
    void line(const std::string& text);
};

// A value within what the stored Pi leaves of an exact zero (numeric::kStoredPiResidue) is that
// zero (+0); any other value is returned as it is.
double exactZero(double v);

// Number formats of the list. Each fails on a value that is not finite.
std::string plain(double x);
// numeric::truncateDown to five decimals: a size (a length, a ratio), an angle in degrees, an
// hour of the day.
std::string down5(double x);
std::string down5Degrees(double degrees);
std::string down5Hours(double hours);
std::string rounded(double x, int decimals); // halves to even
// Whole hours, minutes and seconds of a duration cut to the second: "8h 34' 3 ''".
std::string hms(double hours);

// Step 1: recomputes the wall, the elevation sine, the centre and the substyle.
void prepare(DataList& list);
// The place, the triangle of the style, the characteristic hours and the equivalent
// horizontal dial, from "DATA: " to the empty line after "latitude f0 =  ".
void writePlaceAndStyle(DataList& list);
// The equivalent vertical dial of an inclined or horizontal plane.
void writeEquivalentVertical(DataList& list);
// Shortest and longest day, the sun at the optional declination and the critical
// declinations; the list ends with them.
void writeSun(DataList& list);

}  // namespace shell::technical_data
