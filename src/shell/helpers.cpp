#include "shell/helpers.h"

#include <string_view>

#include "numeric/checked.h"

namespace shell {

namespace {
constexpr numeric::Colour kWhite = numeric::rgb(255, 255, 255);
}

numeric::Colour LineColor(const clsOptions& Options, numeric::palette::Index colorIndex) {
    namespace palette = numeric::palette;
    const bool whiteBackground = Options.IXBackColor == kWhite;
    if (!Options.IXMultiColor)
        return numeric::qbColor(whiteBackground ? palette::kBlack : palette::kWhite);
    palette::Index index = colorIndex;
    if (colorIndex == palette::kLightGrey)
        index = whiteBackground ? palette::kDarkGrey : palette::kLightGrey;
    else if (colorIndex == palette::kWhite)
        index = whiteBackground ? palette::kBlack : palette::kWhite;
    else if (colorIndex == palette::kBlack)
        index = whiteBackground ? palette::kWhite : palette::kBlack;
    return numeric::qbColor(index);
}

double Atn2(const Module1& m, double y, double x) { return numeric::Atn2(y, x, m.Pi); }

double ArcSin(const Module1& m, double x) { return numeric::ArcSin(x, m.Pi); }

double ArcCos(const Module1& m, double x) { return numeric::ArcCos(x, m.Pi); }

bool ticked(const Context& ctx, std::string_view checkBox) {
    return ctx.inputs.value(checkBox) == 1;
}

}  // namespace shell
