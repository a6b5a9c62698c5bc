#pragma once
// Reads what the `rundial` test driver prints: one item a line, fields separated by tabs,
//   message<TAB>text          a message box
//   title<TAB>text            the final plot title
//   P x y colour              a point
//   L x1 y1 x2 y2 colour      a line
//   C x y radius colour fill aspect start end   a circle or arc
//   T x y text                a text record (after the primitives)
// Coordinates are plot metres, whose y grows downward: the dial point is (x, -y).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "support/oracle_vec.h"

namespace rundial {

struct Point {
    double x = 0, y = 0;
    long long colour = 0;
};
struct Line {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    long long colour = 0;
};
struct Circle {
    double x = 0, y = 0, radius = 0;
    long long colour = 0;
    long long fill = 0;
    double aspect = 0, start = 0, end = 0;
};
struct Text {
    double x = 0, y = 0;
    std::string text;
};

using Primitive = std::variant<Point, Line, Circle>;

struct Output {
    std::vector<std::string> messages;  // in the order shown
    std::optional<std::string> title;   // the last title line
    std::vector<Primitive> drawOrder;   // every P, L, C record in order
    std::vector<Point> points;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<Text> texts;
    std::vector<std::string> errors;  // "line N: why" for each line that could not be read
};

Output parseRundialOutput(std::string_view text);

// Dial coordinates (x, -plot y) of the points of one colour, or of all points.
std::vector<oracle::DialXY> dialPoints(const Output& out,
                                       std::optional<long long> colour = std::nullopt);

}  // namespace rundial
