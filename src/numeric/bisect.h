#pragma once
// Where a property of a parameter changes between two parameters, by halving.

#include <optional>

namespace numeric {

struct Bracket {
    double low, high;
};

// Halves [low, high], on whose ends `side` differs (lowSide at low), keeping the change between
// the two, until they are neighbouring doubles or `most` halvings are taken. A parameter where
// `side` has no value (it returns std::nullopt) stops the halving there.
template <class Side>
Bracket bisectChange(double low, double high, bool lowSide, Side&& side, int most = 2200) {
    for (int i = 0; i < most; ++i) {
        const double middle = low + (high - low) / 2;
        if (middle == low || middle == high) break;
        const std::optional<bool> at = side(middle);
        if (!at) break;
        (*at == lowSide ? low : high) = middle;
    }
    return {low, high};
}

}  // namespace numeric
