#include "support/rundial_output.h"

#include <charconv>
#include <type_traits>
#include <cmath>

namespace rundial {

namespace {

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = s.find(sep, start);
        out.push_back(s.substr(start, at == std::string_view::npos ? s.npos : at - start));
        if (at == std::string_view::npos) return out;
        start = at + 1;
    }
}

// Fields of a numeric record: tab-separated; a record written with blanks is accepted too.
std::vector<std::string_view> fields(std::string_view s) {
    if (s.find('\t') != std::string_view::npos) return split(s, '\t');
    std::vector<std::string_view> out;
    for (std::string_view f : split(s, ' '))
        if (!f.empty()) out.push_back(f);
    return out;
}

bool toDouble(std::string_view f, double& v) {
    const auto r = std::from_chars(f.data(), f.data() + f.size(), v);
    return r.ec == std::errc() && r.ptr == f.data() + f.size() && std::isfinite(v);
}

bool toInteger(std::string_view f, long long& v) {
    const auto r = std::from_chars(f.data(), f.data() + f.size(), v);
    return r.ec == std::errc() && r.ptr == f.data() + f.size();
}

// Reads fields[1..] into the given slots in order; doubles and integers by slot type.
template <typename... Slots>
bool readAll(const std::vector<std::string_view>& f, Slots&... slots) {
    if (f.size() != sizeof...(Slots) + 1) return false;
    std::size_t i = 1;
    auto one = [&](auto& slot) {
        if constexpr (std::is_same_v<std::decay_t<decltype(slot)>, double>)
            return toDouble(f[i++], slot);
        else
            return toInteger(f[i++], slot);
    };
    return (one(slots) && ...);
}

}  // namespace

Output parseRundialOutput(std::string_view text) {
    Output out;
    std::size_t number = 0;
    for (std::string_view line : split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        const std::string_view head = line.substr(0, tab);
        const std::string_view rest =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        bool ok = true;
        if (head == "message") {
            out.messages.emplace_back(rest);
        } else if (head == "title") {
            out.title = std::string(rest);
        } else if (head == "T") {
            // T x y text: the text is everything after the third field, blanks included.
            const std::size_t t2 = rest.find('\t');
            const std::size_t t3 = t2 == rest.npos ? rest.npos : rest.find('\t', t2 + 1);
            Text t;
            ok = t2 != rest.npos && toDouble(rest.substr(0, t2), t.x) &&
                 toDouble(rest.substr(t2 + 1, t3 == rest.npos ? rest.npos : t3 - t2 - 1), t.y);
            if (ok) {
                t.text = t3 == rest.npos ? std::string() : std::string(rest.substr(t3 + 1));
                out.texts.push_back(std::move(t));
            }
        } else {
            const auto f = fields(line);
            if (f[0] == "P") {
                Point p;
                if ((ok = readAll(f, p.x, p.y, p.colour))) {
                    out.points.push_back(p);
                    out.drawOrder.emplace_back(p);
                }
            } else if (f[0] == "L") {
                Line l;
                if ((ok = readAll(f, l.x1, l.y1, l.x2, l.y2, l.colour))) {
                    out.lines.push_back(l);
                    out.drawOrder.emplace_back(l);
                }
            } else if (f[0] == "C") {
                Circle c;
                if ((ok = readAll(f, c.x, c.y, c.radius, c.colour, c.fill, c.aspect, c.start,
                                  c.end))) {
                    out.circles.push_back(c);
                    out.drawOrder.emplace_back(c);
                }
            } else {
                ok = false;
            }
        }
        if (!ok) out.errors.push_back("line " + std::to_string(number) + ": " + std::string(line));
    }
    return out;
}

std::vector<oracle::DialXY> dialPoints(const Output& out, std::optional<long long> colour) {
    std::vector<oracle::DialXY> pts;
    for (const Point& p : out.points)
        if (!colour || p.colour == *colour) pts.push_back({p.x, -p.y});
    return pts;
}

}  // namespace rundial
