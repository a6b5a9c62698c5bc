#include "shell/run_unseen_dial.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "geometry/face.h"
#include "geometry/sky.h"
#include "geometry/stored_pi.h"
#include "geometry/vec3.h"
#include "numeric/checked.h"
#include "numeric/round_budget.h"
#include "plot/clipping.h"
#include "plot/null_device.h"
#include "shell/control_table.h"
#include "shell/input_record.h"
#include "shell/options.h"
#include "shell/programme_menu.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"

namespace shell {

namespace {

using geometry::Face;
using geometry::kSolsticeDeg;
using geometry::kStoredPi;
using geometry::Vec3;

// A record as compared exactly: its kind, its numbers and its colours.
using Record = std::array<double, 9>;

bool overlaps(double low, double high, double areaLow, double areaHigh) {
    return low <= areaHigh && high >= areaLow;
}

// The plot area of a surface, in its world coordinates (metres, y downward).
plot::ClipArea areaOf(const plot::PlotSurface& plot) {
    return {-plot.ShiftX(), plot.QuadranteL() - plot.ShiftX(), -plot.ShiftY(),
            plot.QuadranteH() - plot.ShiftY()};
}

bool pointIn(const plot::ClipArea& area, double x, double y) {
    return overlaps(x, x, area.left, area.right) && overlaps(y, y, area.top, area.bottom);
}

// The records laid since `from` that lie in the plot area, sorted.
std::vector<Record> recordsInArea(const plot::PlotSurface& plot, const RecordMark& from) {
    const plot::DisplayList& list = plot.displayList();
    const plot::ClipArea area = areaOf(plot);
    std::vector<Record> in;
    for (std::size_t i = from.points; i < list.points.size(); ++i) {
        const plot::PointRecord& p = list.points[i];
        if (pointIn(area, p.x, p.y)) in.push_back({'P', p.x, p.y, 0, 0, double(p.Color)});
    }
    for (std::size_t i = from.lines; i < list.lines.size(); ++i) {
        const plot::LineRecord& l = list.lines[i];
        double x1 = l.x1, y1 = l.y1, x2 = l.x2, y2 = l.Y2;
        if (plot::ClipSegment(area, x1, y1, x2, y2) > 0)
            in.push_back({'L', l.x1, l.y1, l.x2, l.Y2, double(l.Color)});
    }
    for (std::size_t i = from.shapes; i < list.shapes.size(); ++i) {
        const plot::ShapeRecord& s = list.shapes[i];
        const bool circle = s.Kind == 'C';
        const double left = circle ? s.First - s.Third : std::min(s.First, s.Third);
        const double right = circle ? s.First + s.Third : std::max(s.First, s.Third);
        const double top = circle ? s.Second - s.Third : std::min(s.Second, s.Fourth);
        const double bottom = circle ? s.Second + s.Third : std::max(s.Second, s.Fourth);
        if (overlaps(left, right, area.left, area.right) &&
            overlaps(top, bottom, area.top, area.bottom))
            in.push_back({double(s.Kind), s.First, s.Second, s.Third, s.Fourth, double(s.Color),
                          double(s.FillColor), s.ArcStart, s.ArcEnd});
    }
    std::sort(in.begin(), in.end());
    return in;
}

// The mark of the style's foot: 1 cm across the origin, and its rounding.
constexpr double kFootMark = 0.0101;

// Whether every point among the records lies within the mark of the style's foot (1 cm across
// the origin) or on one of a few lines through the foot, as a substyle, a wall's horizon or a
// noon line through the foot do; a line of the dial laid as points turns about the foot.
bool onlyFootAndLinesThroughIt(const std::vector<Record>& records) {
    constexpr std::size_t kMostLines = 64;
    constexpr double kSameLine = 1e-6;  // the sine of the angle between two directions
    std::vector<std::array<double, 2>> directions;
    for (const Record& r : records) {
        if (r[0] != 'P') continue;
        const double d = std::hypot(r[1], r[2]);
        if (d <= kFootMark) continue;
        const double ux = r[1] / d, uy = r[2] / d;
        auto along = [&](const std::array<double, 2>& u) {
            return std::fabs(u[0] * uy - u[1] * ux) <= kSameLine;
        };
        if (std::any_of(directions.begin(), directions.end(), along)) continue;
        if (directions.size() == kMostLines) return false;
        directions.push_back({ux, uy});
    }
    return true;
}

// Whether every record of `drawn` has one of the same kind and colours in `again` at the same
// place, up to what rounding leaves of the style's length in a line through the foot (the
// stored Pi's residue times the length). Too many records to pair say no.
bool eachFoundIn(const std::vector<Record>& drawn, const std::vector<Record>& again) {
    constexpr double kSamePlace = 1e-6;  // metres
    constexpr double kMostPairs = 1e7;
    if (double(drawn.size()) * double(again.size()) > kMostPairs) return false;
    auto same = [&](const Record& a, const Record& b) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            const bool exact = i == 0 || i == 5 || i == 6;  // kind and colours
            if (exact ? a[i] != b[i] : !(std::fabs(a[i] - b[i]) <= kSamePlace)) return false;
        }
        return true;
    };
    return std::all_of(drawn.begin(), drawn.end(), [&](const Record& r) {
        return std::any_of(again.begin(), again.end(), [&](const Record& a) { return same(r, a); });
    });
}

// The shortest text that reads back as exactly the number.
std::string exactText(double v) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

void copyInputs(const InputRecord& from, InputRecord& to) {
    for (const ControlInfo& c : controlTable()) {
        if (c.kind == ControlKind::CheckBox) {
            to.setValue(c.name, from.value(c.name));
        } else if (c.kind == ControlKind::OptionButton) {
            if (from.selected(c.name)) to.select(c.name);
        } else {
            to.setText(c.name, from.text(c.name));
        }
        to.setEnabled(c.name, from.enabled(c.name));
    }
    for (const ProgrammeMenuItemInfo& item : programmeMenuItems()) {
        to.setChecked(item.name, from.checked(item.name));
        to.setEnabled(item.name, from.enabled(item.name));
    }
}

// Whether the programme draws on a cylinder (its menu item lies in the cylinders' submenu).
bool isCylinder(std::string_view programme) {
    const ProgrammeMenuItemInfo* item = findProgrammeMenuItem(programme);
    return item && item->submenu == kCylindricalSubmenu;
}

// The least distance from the style's foot at which a shadow of its tip can fall, for a
// style of that length standing out of the face along `out` (unit length), over the suns given.
// On a plane a sun at the angle z from `out` casts the tip's shadow length * tan z from the foot;
// on a cylinder, unrolled or not, the shadow lies on the ray from the tip away from its sun, at
// least length * sin z from the foot (at least the length for a sun behind the face). The angle
// is lessened by the margin first.
double nearestShadowAlong(const Vec3& out, double length, const std::vector<Vec3>& suns,
                          double margin, bool plane) {
    double nearest = -1;  // the cosine of the least angle
    for (const Vec3& sun : suns) nearest = std::max(nearest, dot(out, sun));
    const double z =
        std::max(numeric::ArcCos(std::clamp(nearest, -1.0, 1.0), kStoredPi) - margin, 0.0);
    if (plane) return z >= kStoredPi / 2 ? -1 : length * std::tan(z);
    return length * (z >= kStoredPi / 2 ? 1 : std::sin(z));
}

// The least distance from the style's foot at which a shadow of its tip can fall, on the face
// of the programme, for any sun of the year above the horizon. The suns are taken a quarter of
// a degree apart in declination and in hour angle, down to that much below the horizon, and the
// angle is lessened by that much: every real sun lies nearer than that to one of them. The face
// is taken as typed and turned over every way the programmes may read it (facing the equator or
// the pole, reclined or inclined, in either hemisphere); a cylinder by its style, which stands
// out of it level. No distance (-1) when no sun shines on any of them.
double nearestTipShadow(const InputRecord& in, std::string_view programme, double length) {
    const double deg = kStoredPi / 180;
    const double phi = std::fabs(in.number("txtLAT")) * deg;
    const double step = 0.25 * deg;
    std::vector<Vec3> suns;
    const int days = static_cast<int>(std::ceil(2 * kSolsticeDeg * deg / step));
    for (int d = 0; d <= days; ++d) {
        const double declination = (-kSolsticeDeg + 2 * kSolsticeDeg * d / days) * deg;
        for (int h = 0; h < 1440; ++h) {
            const Vec3 sun = geometry::sunDirection(phi, (h - 720) * step, declination);
            if (sun.z > -std::sin(step)) suns.push_back(sun);
        }
    }
    const double D = typedDeclination(in) * deg;
    const double R =
        programmeEnables(programme, "txtReclinZ") ? typedReclination(in, 1) * deg : 0;
    const bool plane = !isCylinder(programme);
    double nearest = -1;
    bool lit = false;
    for (const double facing : {D, kStoredPi - D}) {
        for (const double recline : {R, -R}) {
            const Vec3 out = Face::declining(facing, recline).out;
            lit = lit || std::any_of(suns.begin(), suns.end(),
                                     [&](const Vec3& sun) { return dot(out, sun) > 0; });
            const double d = nearestShadowAlong(out, length, suns, step, plane);
            if (d >= 0) nearest = nearest < 0 ? d : std::min(nearest, d);
        }
    }
    return lit ? nearest : -1;
}

// The distance from the style's foot (the origin) to the farthest corner of the plot area.
double farthestCorner(const plot::PlotSurface& plot) {
    const plot::ClipArea a = areaOf(plot);
    return std::hypot(std::max(std::fabs(a.left), std::fabs(a.right)),
                      std::max(std::fabs(a.top), std::fabs(a.bottom)));
}

// The records in the plot area of the run made again, unseen, from the same state with a style
// of that length; none when it fails.
std::optional<std::vector<Record>> runAgain(Context& ctx, const RunProgrammes& programmes,
                                            const Module1& before, double style) {
    InputRecord inputs;
    copyInputs(ctx.inputs, inputs);
    inputs.setText("txtStilo", exactText(style));
    Module1 m = before;
    clsOptions options = ctx.Options;
    plot::SilentServices services;
    plot::NullDevice device;
    const plot::PlotSurface& shown = ctx.ixPlot1();
    plot::PlotSurface plot(device, services);
    plot.setQuadranteH(shown.QuadranteH());
    plot.setQuadranteL(shown.QuadranteL());
    plot.setShiftX(shown.ShiftX());
    plot.setShiftY(shown.ShiftY());
    Context scratch{inputs, m, options, services, [&]() -> plot::PlotSurface& { return plot; }};
    try {
        numeric::RoundBudget budget(RunRoundBudget);
        programmes(scratch);
        if (budget.refused()) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return recordsInArea(plot, {});
}

}  // namespace

RecordMark RecordMark::of(const plot::PlotSurface& plot) {
    const plot::DisplayList& list = plot.displayList();
    return {list.points.size(), list.lines.size(), list.shapes.size()};
}

bool everyShadowBeyondThePlot(Context& ctx, const RunProgrammes& programmes,
                              const Module1& before, const RecordMark& from,
                              std::string_view programme) {
    // A run its driver refused, or none, drew nothing at all.
    const RecordMark end = RecordMark::of(ctx.ixPlot1());
    if (end.points == from.points && end.lines == from.lines && end.shapes == from.shapes)
        return false;
    const std::vector<Record> drawn = recordsInArea(ctx.ixPlot1(), from);
    if (!onlyFootAndLinesThroughIt(drawn)) return false;
    const double style = ctx.inputs.number("txtStilo");
    if (!(nearestTipShadow(ctx.inputs, programme, style) > farthestCorner(ctx.ixPlot1())))
        return false;
    // What lies in the plot area lies there whatever the style's length...
    const auto longer = runAgain(ctx, programmes, before, 2 * style);
    return longer && eachFoundIn(drawn, *longer);
}

}  // namespace shell
