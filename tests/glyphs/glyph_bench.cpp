#include "glyph_bench.h"

#include <cmath>

namespace glyphtest {

GlyphBench::GlyphBench() : system_(device_) {}

void GlyphBench::set(const std::string& control, const std::string& value) {
    rundial::applySetting(system_.inputs, control, value);
}

std::vector<Stroke> GlyphBench::take() {
    const plot::DisplayList& list = system_.surface().displayList();
    std::vector<Stroke> strokes;
    for (; order_ < list.DrawOrder.size(); ++order_) {
        Stroke s;
        s.kind = list.DrawOrder[order_];
        if (s.kind == 'P') {
            const auto& p = list.points[points_++];
            s.x1 = p.x;
            s.y1 = p.y;
            s.colour = p.Color;
        } else if (s.kind == 'L') {
            const auto& l = list.lines[lines_++];
            s.x1 = l.x1;
            s.y1 = l.y1;
            s.x2 = l.x2;
            s.y2 = l.Y2;
            s.colour = l.Color;
        } else {
            const auto& c = list.shapes[shapes_++];
            s.x1 = c.First;
            s.y1 = c.Second;
            s.radius = c.Third;
            s.aspect = c.Fourth;
            s.colour = c.Color;
            s.fill = c.FillColor;
            s.start = c.ArcStart;
            s.end = c.ArcEnd;
        }
        strokes.push_back(s);
    }
    return strokes;
}

std::string kinds(const std::vector<Stroke>& strokes) {
    std::string k;
    for (const Stroke& s : strokes) k += s.kind;
    return k;
}

namespace {
PlotXY onCircle(const Stroke& s, double t) {
    return {s.x1 + s.radius * std::cos(t), s.y1 - s.radius * std::sin(t)};
}
}  // namespace

PlotXY endOf(const Stroke& s, int end) {
    if (s.kind == 'L') return end == 0 ? PlotXY{s.x1, s.y1} : PlotXY{s.x2, s.y2};
    if (s.kind == 'C') return onCircle(s, end == 0 ? s.start : s.end);
    return {s.x1, s.y1};
}

std::vector<PlotXY> samples(const Stroke& s, int count) {
    std::vector<PlotXY> out;
    if (s.kind == 'P') return {{s.x1, s.y1}};
    for (int i = 0; i <= count; ++i) {
        const double f = static_cast<double>(i) / count;
        if (s.kind == 'L') {
            out.push_back({s.x1 + f * (s.x2 - s.x1), s.y1 + f * (s.y2 - s.y1)});
        } else if (s.wholeCircle()) {
            out.push_back(onCircle(s, f * 2 * M_PI));
        } else {
            double sweep = s.end - s.start;
            if (sweep < 0) sweep += 2 * M_PI;
            out.push_back(onCircle(s, s.start + f * sweep));
        }
    }
    return out;
}

double distance(PlotXY a, PlotXY b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace glyphtest
