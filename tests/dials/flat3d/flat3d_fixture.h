#pragma once
// A flat 3D dial set up in-process as Run sets it up, whose procedures can then be called one by
// one; what each draws is collected in dial coordinates (metres, y up) and can be checked
// against the shadow oracle of the physical plane the inputs describe.

#include <functional>
#include <ostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "plot/display_list.h"
#include "shell/context.h"
#include "support/oracle_vec.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"
#include "support/shadow_oracle.h"

namespace flat3dtest {

// A recording device that tags every painted point with a value read at that moment: the hour
// angle of the line being drawn, for one.
class TaggingDevice : public testsupport::RecordingDevice {
public:
    std::function<double()> tag;
    std::vector<double> tags;

    void point(double x, double y, plot::Colour colour) override {
        RecordingDevice::point(x, y, colour);
        tags.push_back(tag ? tag() : 0);
    }
};

enum class Variable { X, Y };

// The inputs as typed: latitude, declination and reclination in degrees, style in metres.
struct Place {
    double lat;
    double decl;
    double recl;
    double style = 0.1;
};

std::string describe(const Place& p, Variable v);

// One plane of a table of cases.
struct PlaneCase {
    Place place;
    Variable variable;
};

void PrintTo(const PlaneCase& c, std::ostream* out);

struct DrawnPoint {
    oracle::DialXY at;     // dial coordinates, y up
    plot::Colour colour;
    double tag;            // the device's tag when it was painted
};

struct Drawing {
    std::vector<DrawnPoint> points;
    std::vector<plot::LineRecord> lines;   // as given to the plot (plot y downward)

    std::vector<oracle::DialXY> at() const;
    std::vector<oracle::DialXY> withColour(plot::Colour colour) const;
    // The points grouped by their tag.
    std::map<double, std::vector<oracle::DialXY>> byTag() const;
};

class Flat3dDial {
public:
    // Types the place into the input record with the other inputs at their design-time values,
    // chooses the programme and its free variable, then applies the extra settings.
    Flat3dDial(const Place& place, Variable variable,
               const std::vector<std::pair<std::string, std::string>>& settings = {});
    Flat3dDial(const Flat3dDial&) = delete;
    Flat3dDial& operator=(const Flat3dDial&) = delete;

    shell::Context& ctx() { return system_.context(); }
    shell::Module1& m() { return system_.m; }
    rundial::DialSystem& system() { return system_; }
    TaggingDevice& device() { return device_; }

    // Run with this variable's set-up standing for its driver: the signs set by Run, then the
    // inputs read. Returns what Run returned.
    bool setUp();
    // Run with the real drivers.
    bool run();

    // What the procedure draws when called now (points tagged with the hour angle being drawn).
    Drawing draw(const std::function<void(shell::Context&)>& procedure);

    // The physical plane of the inputs: in the southern hemisphere the programme takes the
    // declination from the north (the face turned to the equator, west positive) and the
    // reclination with its sign inverted; a horizontal plane has no declination of its own.
    oracle::ShadowOracle oracle() const;
    // The oracle's hour angle (degrees, afternoon positive) of a line the programme draws at
    // hour angle H (radians, east positive).
    double oracleHourAngle(double programmeRad) const;

private:
    Place place_;
    Variable variable_;
    TaggingDevice device_;
    rundial::DialSystem system_;
};

}  // namespace flat3dtest
