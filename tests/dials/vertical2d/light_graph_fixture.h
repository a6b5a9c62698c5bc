#pragma once
// A light graph set up in-process as Run sets it up, whose procedures can then be called one by
// one; what each draws is collected in dial coordinates (metres, y up), each point tagged with a
// value read at the moment it was painted (the hour being drawn, for one), and can be checked
// against the shadow oracle of the wall.

#include <functional>
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

namespace lighttest {

class TaggingDevice : public testsupport::RecordingDevice {
public:
    std::function<double()> tag;
    std::vector<double> tags;

    void point(double x, double y, plot::Colour colour) override {
        RecordingDevice::point(x, y, colour);
        tags.push_back(tag ? tag() : 0);
    }
};

// The wall as typed: latitude and declination (west positive) in degrees, style in metres.
struct Wall {
    double lat;
    double decl;
    double style = 0.1;
};

std::string describe(const Wall& w);
void PrintTo(const Wall& w, std::ostream* out);

struct DrawnPoint {
    oracle::DialXY at;
    plot::Colour colour;
    double tag;
};

struct Drawing {
    std::vector<DrawnPoint> points;
    std::vector<plot::LineRecord> lines;  // as given to the plot (plot y downward)

    std::vector<oracle::DialXY> at() const;
    std::vector<oracle::DialXY> withColour(plot::Colour colour) const;
    std::map<double, std::vector<oracle::DialXY>> byTag() const;
};

// The colour drawn for a palette index with the design-time options.
plot::Colour colourOf(int index);

class LightDial {
public:
    // Types the wall into the input record, the other inputs at their design-time values,
    // chooses the light graph, then applies the extra settings.
    explicit LightDial(const Wall& wall,
                       const std::vector<std::pair<std::string, std::string>>& settings = {});
    LightDial(const LightDial&) = delete;
    LightDial& operator=(const LightDial&) = delete;

    shell::Context& ctx() { return system_.context(); }
    shell::Module1& m() { return system_.m; }
    rundial::DialSystem& system() { return system_; }
    // What is painted is tagged with this value (default: 0).
    void tagWith(std::function<double(const shell::Module1&)> tag);

    // Run with the reader and the set-up standing for the driver. Returns what Run returned.
    bool setUp();
    // Run with the real drivers.
    bool run();

    // What the procedure draws when called now.
    Drawing draw(const std::function<void(shell::Context&)>& procedure);

    oracle::ShadowOracle oracle() const;

private:
    Wall wall_;
    TaggingDevice device_;
    rundial::DialSystem system_;
};

// Every feature box of the light graph cleared, then the given ones ticked.
std::vector<std::pair<std::string, std::string>> only(const std::vector<std::string>& boxes);

}  // namespace lighttest
