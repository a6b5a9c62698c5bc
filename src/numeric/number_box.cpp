#include "numeric/number_box.h"

#include <cmath>

#include "numeric/box_text.h"
#include "numeric/parse.h"

namespace numeric {

namespace {

// How many characters of a refused text its message quotes.
constexpr std::size_t kQuoted = 24;

}  // namespace

BoxNumber readNumberBox(std::string_view named, std::string_view text) {
    if (isWholeNumber(text)) return {parseNumberOrInfinity(text), {}};
    const std::string_view shown = trimBlanks(text);
    const std::string unusual = firstUnusualCharacter(shown);
    const std::string why =
        unusual.empty() ? std::string()
                        : " it holds " + unusual + ", which no number is written with;";
    return {0, std::string(named) + " holds \"" + quotedText(shown, kQuoted) +
                   "\", which is not a number:" + why +
                   " write the number alone, with a point for decimals (as in 0.5)."};
}

BoxNumber readFiniteNumberBox(std::string_view named, std::string_view text) {
    BoxNumber read = readNumberBox(named, text);
    if (read.refusal.empty() && std::isinf(read.value))
        return {0, std::string(named) + " holds a number too large to compute with: write a "
                                        "number below 1E+308 in size."};
    return read;
}

}  // namespace numeric
