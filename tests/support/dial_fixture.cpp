#include "support/dial_fixture.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "dispatch/driver_table.h"
#include "numeric/palette.h"
#include "shell/helpers.h"
#include "shell/programme_menu.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace dialtest {

std::string describe(const Wall& w) {
    return "lat " + number(w.lat) + ", decl " + number(w.decl) + ", style " + number(w.style);
}

void PrintTo(const Wall& w, std::ostream* out) { *out << describe(w); }

std::string describe(const Plane& p) {
    return "lat " + number(p.lat) + ", decl " + number(p.decl) + ", recl " + number(p.recl) +
           ", style " + number(p.style);
}

void PrintTo(const Plane& p, std::ostream* out) { *out << describe(p); }

Settings typedPlane(const Plane& p) {
    return {{"txtLAT", number(p.lat)}, {"txtDecl", number(p.decl)},
            {"txtReclinZ", number(p.recl)}, {"txtStilo", number(p.style)}};
}

bool readsDefinition(std::string_view programme, bool altitudeLinesTicked) {
    return shell::programmeEnables(programme, "txt_Definition") ||
           (altitudeLinesTicked && shell::programmeEnables(programme, "ckAlt"));
}

plot::Colour colourOf(int index) {
    return shell::LineColor(shell::clsOptions{}, static_cast<numeric::palette::Index>(index));
}

Settings typedWall(const Wall& w) {
    return {{"txtLAT", number(w.lat)}, {"txtDecl", number(w.decl)}, {"txtStilo", number(w.style)}};
}

void TaggingDevice::point(double x, double y, plot::Colour colour) {
    RecordingDevice::point(x, y, colour);
    tags.push_back(tag ? tag() : 0);
}

std::vector<oracle::DialXY> Drawing::at() const {
    std::vector<oracle::DialXY> out;
    for (const DrawnPoint& p : points) out.push_back(p.at);
    return out;
}

std::vector<oracle::DialXY> Drawing::withColour(plot::Colour colour) const {
    std::vector<oracle::DialXY> out;
    for (const DrawnPoint& p : points)
        if (p.colour == colour) out.push_back(p.at);
    return out;
}

std::vector<Segment> Drawing::segmentsWithColour(plot::Colour colour) const {
    std::vector<Segment> out;
    for (const Segment& s : segments)
        if (s.colour == colour) out.push_back(s);
    return out;
}

std::set<plot::Colour> Drawing::colours() const {
    std::set<plot::Colour> out;
    for (const DrawnPoint& p : points) out.insert(p.colour);
    return out;
}

std::map<double, std::vector<oracle::DialXY>> Drawing::byTag() const {
    std::map<double, std::vector<oracle::DialXY>> out;
    for (const DrawnPoint& p : points) out[p.tag].push_back(p.at);
    return out;
}

ProgrammeDial::ProgrammeDial(std::string_view programme, const Settings& typed,
                             const Settings& extra)
    : system_(device_) {
    Settings settings = typed;
    settings.insert(settings.end(), extra.begin(), extra.end());
    rundial::prepare(system_, {false, std::string(programme), settings});
}

void ProgrammeDial::set(const std::string& control, const std::string& value) {
    rundial::applySetting(system_.inputs, control, value);
}

void ProgrammeDial::tagWith(double shell::Module1::*variable) {
    device_.tag = [this, variable] { return system_.m.*variable; };
}

bool ProgrammeDial::run() { return runWith(dispatch::allDrivers()); }

bool ProgrammeDial::runWith(const shell::DriverTable& drivers) {
    return shell::Command1_Click(ctx(), drivers);
}

Outcome ProgrammeDial::outcomeOfRun() {
    const bool completed = run();
    return {completed,          services().messages,          surface().view().title,
            services().busyChanges, surface().displayList(), system_.m};
}

Drawing ProgrammeDial::draw(const std::function<void(shell::Context&)>& procedure) {
    const plot::DisplayList& list = surface().displayList();
    const std::size_t firstPoint = list.points.size();
    const std::size_t firstLine = list.lines.size();
    const std::size_t firstTag = device_.tags.size();
    procedure(ctx());
    // Every recorded point was painted once, in the same order.
    if (device_.tags.size() - firstTag != list.points.size() - firstPoint)
        throw std::logic_error("painted and recorded points differ");
    return collect(firstPoint, firstLine, firstTag);
}

Drawing ProgrammeDial::drawing() const { return collect(0, 0, 0); }

Drawing ProgrammeDial::collect(std::size_t firstPoint, std::size_t firstLine,
                               std::size_t firstTag) const {
    const plot::DisplayList& list = system_.surface().displayList();
    const bool tagged = device_.tags.size() - firstTag == list.points.size() - firstPoint;
    Drawing d;
    for (std::size_t i = firstPoint; i < list.points.size(); ++i) {
        const plot::PointRecord& r = list.points[i];
        const double tag = tagged ? device_.tags[firstTag + (i - firstPoint)]
                                  : std::numeric_limits<double>::quiet_NaN();
        d.points.push_back({{r.x, -r.y}, r.Color, tag});
    }
    for (std::size_t i = firstLine; i < list.lines.size(); ++i) {
        const plot::LineRecord& r = list.lines[i];
        d.lines.push_back(r);
        d.segments.push_back({{r.x1, -r.y1}, {r.x2, -r.Y2}, r.Color});
    }
    return d;
}

std::size_t expectDeclinationPairs(const oracle::ShadowOracle& o, const Drawing& d,
                                   std::size_t minPoints, double tolerance) {
    std::size_t total = 0;
    for (const DeclinationPair& pair : kDeclinationPairs) {
        const auto points = d.withColour(numeric::qbColor(pair.colour));
        total += points.size();
        EXPECT_GT(points.size(), minPoints) << "declination " << pair.declination;
        EXPECT_TRUE(oracle::allOnDeclinationPair(o, pair.declination, points, tolerance))
            << "declination " << pair.declination;
    }
    return total;
}

testing::AssertionResult nothingFarOff(const plot::DisplayList& list, double reach) {
    std::vector<oracle::DialXY> at;
    for (const auto& p : list.points) at.push_back({p.x, p.y});
    for (const auto& l : list.lines) at.insert(at.end(), {{l.x1, l.y1}, {l.x2, l.Y2}});
    for (const auto& t : list.texts) at.push_back({t.x, t.y});
    for (const oracle::DialXY& p : at)
        if (!(std::fabs(p.x) <= reach && std::fabs(p.y) <= reach))
            return testing::AssertionFailure() << "a record at (" << p.x << ", " << p.y << ")";
    for (const auto& s : list.shapes) {
        const bool near = s.Kind == 'C' ? std::hypot(s.First, s.Second) - std::fabs(s.Third) <= reach
                                        : std::hypot(s.First, s.Second) <= reach &&
                                              std::hypot(s.Third, s.Fourth) <= reach;
        if (!near)
            return testing::AssertionFailure() << "a shape at (" << s.First << ", " << s.Second << ")";
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult marksInArea(const plot::DisplayList& list, double beyond, bool strokes) {
    std::vector<oracle::DialXY> at;  // plot coordinates (y down)
    for (const auto& t : list.texts) at.push_back({t.x, t.y});
    if (strokes) {
        for (const auto& l : list.lines) at.insert(at.end(), {{l.x1, l.y1}, {l.x2, l.Y2}});
        for (const auto& s : list.shapes) at.push_back({s.First, s.Second});
    }
    for (const oracle::DialXY& p : at)
        if (oracle::depthInArea(kPlotArea, {p.x, -p.y}) < -beyond)
            return testing::AssertionFailure() << "a mark at (" << p.x << ", " << p.y << ")";
    return testing::AssertionSuccess();
}

Outcome runProgramme(std::string_view programme, const Settings& settings) {
    ProgrammeDial dial(programme, settings);
    return dial.outcomeOfRun();
}

void expectRefused(const Outcome& o, const std::string& message) {
    EXPECT_EQ(o.messages, std::vector<std::string>{message});
    EXPECT_EQ(o.title, "");
    EXPECT_TRUE(o.busyChanges.empty());
    EXPECT_TRUE(o.list.DrawOrder.empty());
}

void expectDrawn(const Outcome& o, const std::string& title,
                 const std::vector<std::string>& messages) {
    EXPECT_EQ(o.messages, messages);
    EXPECT_EQ(o.title, title);
    EXPECT_EQ(o.busyChanges, (std::vector<bool>{true, false}));
}

}  // namespace dialtest
