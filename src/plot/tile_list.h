#pragma once
// The A4 tiles picked with the mouse, in the order of the clicks. Element 0 is a placeholder
// that is never used; the selected tiles are elements 1, 2, ...

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plot {

struct TileRecord {
    std::int16_t Number = 0;   // 1 at the top-left tile, along each row, rows downward
    double X = 0, Y = 0;       // world metres of the tile's top-left corner at the click
};

class TileList {
public:
    TileList() : records_(1) {}

    // Number of selected tiles (the placeholder not counted).
    std::size_t count() const { return records_.size() - 1; }
    bool empty() const { return count() == 0; }
    // i from 1 to count(); 0 is the placeholder.
    const TileRecord& operator[](std::size_t i) const { return records_.at(i); }
    void append(const TileRecord& tile) { records_.push_back(tile); }
    void clear() { records_.resize(1); }

private:
    std::vector<TileRecord> records_;
};

}  // namespace plot
