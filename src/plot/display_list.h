#pragma once
// The display list of the plot surface: every recorded primitive, in metres, so that the drawing
// can be replayed at another scale, with other shifts, or on the printer.

#include <vector>
#include <string>

#include "numeric/palette.h"

namespace plot {

using numeric::Colour;

struct PointRecord {
    char Kind = 'P';
    double x = 0, y = 0;
    Colour Color = 0;
};

// The segment as the caller gave it, before clipping.
struct LineRecord {
    char Kind = 'L';
    double x1 = 0, y1 = 0, x2 = 0, Y2 = 0;
    Colour Color = 0;
};

// A circle 'C': First, Second = centre; Third = radius; Fourth = Aspetto; FillColor as given
// (-1 none); ArcStart, ArcEnd = InizioArco, FineArco as given.
struct ShapeRecord {
    char Kind = 'C';
    double First = 0, Second = 0, Third = 0, Fourth = 0;
    Colour Color = 0;
    Colour FillColor = 0;
    double ArcStart = 0;
    double ArcEnd = 0;
};

// A text line: its position in metres and the text cut or padded with blanks to exactly
// TextWidth characters.
struct TextRecord {
    static constexpr int TextWidth = 100;
    char Kind = 'T';
    double x = 0, y = 0;
    std::string text;
};

struct DisplayList {
    // One kind code per recorded point, line or circle ('P', 'L', 'C'), in call
    // order; texts have no entry.
    std::vector<char> DrawOrder;
    std::vector<PointRecord> points;
    std::vector<LineRecord> lines;
    std::vector<ShapeRecord> shapes;
    std::vector<TextRecord> texts;

    void clear() {
        DrawOrder.clear();
        points.clear();
        lines.clear();
        shapes.clear();
        texts.clear();
    }
};

}  // namespace plot
