#pragma once
// A whole system without a window on which the glyphs are drawn, and what they drew read back
// from the display list as one list of strokes in drawing order.

#include <string>
#include <vector>

#include "shell/context.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace glyphtest {

struct Stroke {
    char kind = 0;        // 'L' line, 'C' arc or circle, 'P' point (display list codes)
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // line ends, circle centre (x1, y1), point (x1, y1)
    double radius = 0, fill = 0, aspect = 0, start = 0, end = 0;
    plot::Colour colour = 0;

    bool wholeCircle() const { return kind == 'C' && end == 0; }
};

struct PlotXY {
    double x, y;   // plot metres, y downward
};

class GlyphBench {
public:
    GlyphBench();
    shell::Context& ctx() { return system_.context(); }
    shell::Module1& m() { return system_.m; }
    void set(const std::string& control, const std::string& value);

    // The strokes recorded since the last call.
    std::vector<Stroke> take();

private:
    testsupport::RecordingDevice device_;
    rundial::DialSystem system_;
    std::size_t points_ = 0, lines_ = 0, shapes_ = 0, order_ = 0;
};

// The drawing kinds in order, e.g. "CCLL".
std::string kinds(const std::vector<Stroke>& strokes);

// A line's first (end = 0) or second (end = 1) point; an arc's start (0) or end (1) point as
// the plot surface draws it, counterclockwise on the screen; a point's position.
PlotXY endOf(const Stroke& stroke, int end);

// Points along a stroke as drawn, ends included (a whole circle all round).
std::vector<PlotXY> samples(const Stroke& stroke, int count = 90);

double distance(PlotXY a, PlotXY b);

}  // namespace glyphtest
