#pragma once
// One programme set up in-process as the main window sets it up: the design-time inputs with some
// controls set, the programme chosen, then Run pressed (with the real drivers or with stand-ins)
// or its procedures called one by one. What is drawn is read back in dial coordinates (metres,
// y up), each point tagged with a shared variable read at the moment it was painted (the hour or
// the declination being drawn, for one).

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "plot/display_list.h"
#include "shell/context.h"
#include "support/oracle_checks.h"
#include "support/oracle_sky.h"
#include "support/oracle_vec.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"
#include "support/shadow_oracle.h"

namespace shell {
struct DriverTable;
}

namespace dialtest {

// Controls and the values typed into them, applied in order.
using Settings = std::vector<std::pair<std::string, std::string>>;

using rundial::number;

// A vertical wall as typed: latitude and declination (west positive) in degrees, style in
// metres.
struct Wall {
    double lat;
    double decl;
    double style = 0.1;
};

std::string describe(const Wall& w);
void PrintTo(const Wall& w, std::ostream* out);
// The wall's three boxes: txtLAT, txtDecl, txtStilo.
Settings typedWall(const Wall& w);

// A plane as typed: latitude, declination (west +) and reclination (+ reclining) in degrees,
// style in metres.
struct Plane {
    double lat;
    double decl;
    double recl;
    double style = 0.1;
};

std::string describe(const Plane& p);
void PrintTo(const Plane& p, std::ostream* out);
// The plane's four boxes: txtLAT, txtDecl, txtReclinZ, txtStilo.
Settings typedPlane(const Plane& p);

// The stored Pi the programmes convert angles with.
inline constexpr double kPi = oracle::kStoredPi;

// What a drawing must keep, stated here and never read from the code under test, so that a
// coarser drawing fails: the straight lines and the declination lines cut along the dial's axes
// lay a point every 2 mm; a curve sampled by the design-time Definition (5) a point every
// centimetre.
inline constexpr double kLineStep = 0.002;
inline constexpr double kPointStep = 0.01;

// The plot area every fixture's system starts with, in dial coordinates (y up): the printable
// part of an A4 portrait page enlarged ten times, the origin at the middle of its width and at a
// 3.3333333th of its height below the top edge.
inline constexpr oracle::DialArea kPlotArea = [] {
    // An A4 page of 11906 x 16838 twips, 56700 to the metre, less its 13 mm and 15 mm margins.
    const double width = (11906 / 56700.0 - 0.013) * 10, height = (16838 / 56700.0 - 0.015) * 10;
    const double top = height / 3.3333333;
    return oracle::DialArea{-width / 2, width / 2, top - height, top};
}();

// Whether the programme reads the Definition box, by the inputs its menu item enables: the box
// itself, or, with the lines of equal altitude ticked, those lines (drawn at that step).
bool readsDefinition(std::string_view programme, bool altitudeLinesTicked);

// The colour drawn for a palette index with the design-time options.
plot::Colour colourOf(int index);

// A recording device that tags every painted point with a value read at that moment.
class TaggingDevice : public testsupport::RecordingDevice {
public:
    std::function<double()> tag;
    std::vector<double> tags;

    void point(double x, double y, plot::Colour colour) override;
};

struct DrawnPoint {
    oracle::DialXY at;     // dial coordinates, y up
    plot::Colour colour;
    double tag;            // the device's tag when it was painted
};

struct Segment {
    oracle::DialXY a, b;   // dial coordinates, y up
    plot::Colour colour;
};

struct Drawing {
    std::vector<DrawnPoint> points;
    std::vector<plot::LineRecord> lines;   // as given to the plot (plot y downward)
    std::vector<Segment> segments;         // the same lines in dial coordinates

    std::vector<oracle::DialXY> at() const;
    std::vector<oracle::DialXY> withColour(plot::Colour colour) const;
    std::vector<Segment> segmentsWithColour(plot::Colour colour) const;
    // The colours of the points.
    std::set<plot::Colour> colours() const;
    // The points grouped by their tag.
    std::map<double, std::vector<oracle::DialXY>> byTag() const;
};

// What a run leaves for the user.
struct Outcome {
    bool completed;                    // what Run returned
    std::vector<std::string> messages;
    std::string title;
    std::vector<bool> busyChanges;
    plot::DisplayList list;
    shell::Module1 m;

    std::size_t drawn() const { return list.points.size() + list.lines.size(); }
};

class ProgrammeDial {
public:
    // The design-time inputs with `typed`, then `extra`, applied; the programme chosen by its
    // menu item name ("" = the start-up programme).
    explicit ProgrammeDial(std::string_view programme, const Settings& typed = {},
                           const Settings& extra = {});
    ProgrammeDial(const ProgrammeDial&) = delete;
    ProgrammeDial& operator=(const ProgrammeDial&) = delete;

    shell::Context& ctx() { return system_.context(); }
    shell::Module1& m() { return system_.m; }
    rundial::DialSystem& system() { return system_; }
    testsupport::RecordingServices& services() { return system_.services; }
    plot::PlotSurface& surface() { return system_.surface(); }
    TaggingDevice& device() { return device_; }
    // The colour the plot writes its next text in.
    plot::Colour textColour() { return testsupport::nextTextColour(surface(), device_); }

    void set(const std::string& control, const std::string& value);
    // What is painted from now on is tagged with this variable (default: 0).
    void tagWith(double shell::Module1::*variable);

    // Run with the real driver table.
    bool run();
    // Run with the given drivers standing in.
    bool runWith(const shell::DriverTable& drivers);
    // Run with the real driver table, then what the user sees of it.
    Outcome outcomeOfRun();

    // What the procedure draws when called now.
    Drawing draw(const std::function<void(shell::Context&)>& procedure);
    // Everything on the plot; a tag is NaN where the points painted are not those recorded.
    Drawing drawing() const;

private:
    Drawing collect(std::size_t firstPoint, std::size_t firstLine, std::size_t firstTag) const;

    TaggingDevice device_;
    rundial::DialSystem system_;
};

// A programme chosen with a plane typed, then the extra settings applied.
class PlaneDial : public ProgrammeDial {
public:
    PlaneDial(std::string_view programme, const Plane& plane, const Settings& extra = {})
        : ProgrammeDial(programme, typedPlane(plane), extra), plane_(plane) {}

    const Plane& plane() const { return plane_; }
    // The shadow oracle of the plane as typed.
    oracle::ShadowOracle oracle() const {
        return oracle::ShadowOracle(plane_.lat, plane_.decl, plane_.recl, plane_.style);
    }

private:
    Plane plane_;
};

// The pairs of declination lines the programmes draw, each pair in one colour index: the
// solstices, 20 and 11.5 degrees.
struct DeclinationPair {
    int colour;
    double declination;
};
inline constexpr DeclinationPair kDeclinationPairs[] = {{12, 23.45}, {13, 20}, {11, 11.5}};

// Each pair's points (those of its colour) number more than minPoints and lie on the curves of
// plus and minus its declination; returns how many points the pairs hold together.
std::size_t expectDeclinationPairs(const oracle::ShadowOracle& o, const Drawing& d,
                                   std::size_t minPoints, double tolerance = -1);

// Whether every point, line end, shape (a circle's disc) and text of the list lies within `reach`
// metres of the style foot: a record farther off is one no one can see (a line through a centre
// at infinity, the shadow of a sun in the face).
testing::AssertionResult nothingFarOff(const plot::DisplayList& list, double reach = 1e3);

// Whether every text of the list, and with `strokes` every line end and shape centre too, lies in
// the plot area widened by `beyond` metres: a label, a numeral or a glyph is drawn only where its
// point lies in the area, and reaches beyond that point no farther than a text's offset, a
// table's lines below its corner or a glyph's strokes do.
testing::AssertionResult marksInArea(const plot::DisplayList& list, double beyond,
                                     bool strokes = false);

// A fresh system running the programme once with the settings.
Outcome runProgramme(std::string_view programme, const Settings& settings);

// A refusal: its message alone, no title, the cursor never touched, nothing drawn.
void expectRefused(const Outcome& o, const std::string& message);
// What a run says when no shadow of the style's tip falls within the plot area.
inline const std::string kNoTipShadowInArea =
    "No shadow of the style's tip falls within the plot area: the Perpendicular style box holds "
    "a style so long that every shadow of its tip falls beyond it. A shorter style draws the "
    "dial nearer its foot.";
// A run: the messages (none by default), the title, the busy cursor shown and restored.
void expectDrawn(const Outcome& o, const std::string& title,
                 const std::vector<std::string>& messages = {});

}  // namespace dialtest
