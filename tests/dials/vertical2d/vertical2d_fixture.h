#pragma once
// A vertical dial by 2D analytic geometry set up in-process as Run sets it up, whose procedures
// can then be called one by one; what each draws is collected in dial coordinates (metres, y up)
// and can be checked against the shadow oracle of the physical wall the inputs describe.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "plot/display_list.h"
#include "shell/context.h"
#include "support/oracle_vec.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"
#include "support/shadow_oracle.h"

namespace vert2dtest {

// The inputs as typed: latitude and declination in degrees (west positive; in the southern
// hemisphere counted from north), style in metres.
struct Wall {
    double lat;
    double decl;
    double style = 0.1;
};

std::string describe(const Wall& w);

struct Segment {
    oracle::DialXY a, b;  // dial coordinates, y up
    plot::Colour colour;
};

struct Drawing {
    std::vector<oracle::DialXY> points;
    std::vector<plot::Colour> pointColours;
    std::vector<Segment> segments;

    std::vector<oracle::DialXY> withColour(plot::Colour colour) const;
    std::vector<Segment> segmentsWithColour(plot::Colour colour) const;
};

// Distance from p to the infinite line through a and b.
double distanceToLine(const oracle::DialXY& p, const Segment& s);
// Points of the segment's line within a few metres of the style foot, where a drawing shows it
// (a line nearly parallel to the horizon is drawn between far-away ends that the plot clips);
// none for a line that does not come near.
std::vector<oracle::DialXY> pointsInView(const Segment& s);
// The tolerance of the oracle checks: the project's, or a wider one at the pole, where the
// stored Pi's colatitude (Pi / 2 - latitude) is a ten-thousandth off the true one.
double toleranceFor(const Wall& w);

class Vert2dDial {
public:
    Vert2dDial(const Wall& wall, const std::vector<std::pair<std::string, std::string>>& settings = {});
    Vert2dDial(const Vert2dDial&) = delete;
    Vert2dDial& operator=(const Vert2dDial&) = delete;

    shell::Context& ctx() { return system_.context(); }
    shell::Module1& m() { return system_.m; }
    rundial::DialSystem& system() { return system_; }

    // Run with the reader and the set-up standing for the driver. Returns what Run returned.
    bool setUp();
    // Run with the real drivers.
    bool run();

    // What the procedure draws when called now.
    Drawing draw(const std::function<void(shell::Context&)>& procedure);

    // The physical wall: in the southern hemisphere the typed declination is counted from north.
    // The analemma computes with its own value of pi.
    oracle::ShadowOracle oracle(double pi = oracle::kStoredPi) const;
    // The oracle's hour angle (degrees, afternoon positive) of the hour line of loop value H.
    double oracleHourAngle(double H) const { return wall_.lat >= 0 ? H : -H; }

private:
    Wall wall_;
    testsupport::RecordingDevice device_;
    rundial::DialSystem system_;
};

}  // namespace vert2dtest
