#include "shell/input_check.h"

#include <algorithm>
#include <cmath>

#include "numeric/format.h"
#include "shell/control_table.h"
#include "shell/helpers.h"
#include "shell/programme_menu.h"
#include "shell/run_dispatch.h"

namespace shell {

namespace {

// How a number box is checked.
enum class Rule { Number, Latitude, PlaceLatitude, Declination, HourFraction, Definition, Length };

// The number boxes of the main window in the panel's order, each with the control whose caption
// names it and its rule. A length also says why it must be above 0 and why below its maximum. A
// box read only where a check box is ticked names that check box.
struct NumberBox {
    std::string_view box, label;
    Rule rule;
    double maximum = 0;
    std::string_view whyAboveZero = {}, whyShorter = {};
    std::string_view readWith = {};
};
constexpr NumberBox kNumberBoxes[] = {
    {"txtLAT", "lblLatitudine", Rule::Latitude},
    {"txtDecl", "lblDeclinazione", Rule::Number},
    {"txtLON", "lblLongitudine", Rule::Number},
    {"txtStilo", "p_Stilo", Rule::Length, MaxLength,
     "a style of no length, or one standing behind the dial, casts no shadow on it",
     "the sun's disc blurs the shadows of a style that long wider than any plot area"},
    {"txtlineofdeclination", "ckLineoptional", Rule::Declination},
    {"TxtFuso", "lblFuso", Rule::Number},
    {"TxtHour", "LblHour", Rule::HourFraction},
    {"txtReclinZ", "lblInclinazione", Rule::Number},
    {"txtRadius", "lblradius", Rule::Length, MaxLength, "there is no cylinder without one",
     "a cylinder that wide is flat across any plot area, a wall for a flat dial's programme"},
    {"txt_Definition", "lbl_Definizione", Rule::Definition},
    {"txtNumberSize", "ckRomani", Rule::Length, MaxGlyphSize,
     "a numeral of no height, or of a negative one, cannot be drawn",
     "a numeral that tall is larger than any plot area", "ckRomani"},
    {"txtQLat", "lblQLat", Rule::PlaceLatitude, 0, {}, {}, "ckQibla"},
    {"txtQLong", "lblQlong", Rule::Number, 0, {}, {}, "ckQibla"},
    {"TxtZodiacSize", "ckZodiaco", Rule::Length, MaxGlyphSize,
     "a sign of no height, or of a negative one, cannot be drawn",
     "a sign that tall is larger than any plot area", "ckZodiaco"},
};

// The rules of a number, and of a place's latitude, in a box of no table.
constexpr NumberBox kAnyNumber{{}, {}, Rule::Number};
constexpr NumberBox kAnyLatitude{{}, {}, Rule::PlaceLatitude};

const NumberBox* numberBox(std::string_view box) {
    for (const NumberBox& b : kNumberBoxes)
        if (b.box == box) return &b;
    return nullptr;
}

// The programmes whose drivers refuse a dial at the equator itself, and those whose drivers
// refuse a southern latitude: the advice given for a latitude next to the equator names only
// latitudes every programme of the run draws.
constexpr std::string_view kNoEquator[] = {"M_Proiettivo", "M_nProiettivo", "M_Param"};
constexpr std::string_view kNorthOnly[] = {"M_Light",  "M_CILINDRICI",  "M_Proiettivo",
                                           "M_Parabolico", "M_Param", "M_nProiettivo",
                                           "mnuCCs",   "mnuCircp"};
static_assert(MinLatitude == 0.00001, "the advice below writes MinLatitude out");

bool anyOf(std::span<const std::string_view> programmes, std::span<const std::string_view> set) {
    return std::any_of(programmes.begin(), programmes.end(), [&](std::string_view p) {
        return std::find(set.begin(), set.end(), p) != set.end();
    });
}

std::string latitudeAdvice(std::span<const std::string_view> programmes) {
    const std::string least =
        anyOf(programmes, kNorthOnly) ? "at least 0.00001." : "at least 0.00001 in size.";
    if (anyOf(programmes, kNoEquator))
        return ", and this dial is not drawn at the equator itself: type a latitude of " + least;
    return ": type 0 for the equator itself, or a latitude of " + least;
}

// Why the value of a box cannot be drawn, or "" when it can. Each input a run cannot draw is
// refused in one way, naming its box, whichever programme was chosen:
// - an hour fraction or a definition finer than any drawing can show would only make the run
//   take hours and all the memory there is; one of 0 (an empty box) gives no step at all, and a
//   negative one draws nothing;
// - a declination line beyond 90 degrees in size is no declination of the sun (its sines would
//   draw another line in its place);
// - a style of no length, or one standing behind the dial, casts no shadow on the dial, nor is
//   there a cylinder of a radius (or a parabola of a radius of curvature) of 0 or below, nor a
//   numeral or a sign of a size of 0 or below; one of its maximum or more can be shown on no plot
//   area;
// - a number of MaxNumber or more in size is beyond the dial's arithmetic, and so is one other
//   than 0 below its reciprocal: the programmes divide by their sines and by the lengths.
std::string boxRefusal(const NumberBox& b, const std::string& named, double v,
                       std::span<const std::string_view> programmes) {
    const std::string box = named + " ";
    switch (b.rule) {
        case Rule::Latitude:
            if (v != 0 && std::fabs(v) < MinLatitude)
                return box + "holds a latitude nearer the equator than any dial can tell apart "
                             "from it" + latitudeAdvice(programmes);
            [[fallthrough]];
        case Rule::PlaceLatitude:
            if (std::fabs(v) > 90)
                return box + "must hold a latitude between -90 and 90: no place on Earth lies "
                             "beyond.";
            break;
        case Rule::Declination:
            if (std::fabs(v) > 90)
                return box + "must hold a declination between -90 and 90: the sun's declination "
                             "never lies beyond.";
            break;
        case Rule::HourFraction:
            if (v > MaxHourFraction)
                return box + "may be at most " + numeric::toText(MaxHourFraction) +
                       ", a line every minute; finer lines cannot be told apart on any dial.";
            if (!(v > 0))
                return box + "must hold a number above 0: 1 draws the hours, 2 the halves, 4 the "
                             "quarters.";
            break;
        case Rule::Definition:
            if (v < MinDefinition)
                return box + "may not be below " + numeric::toText(MinDefinition) +
                       (v < 0    ? "; a negative step draws no line at all."
                        : v == 0 ? ": 0 or an empty box gives no step to draw with."
                                 : "; a finer step draws more points than any drawing can show.");
            break;
        case Rule::Length:
            if (!(v > 0))
                return box + "must hold a length above 0: " + std::string(b.whyAboveZero) + ".";
            if (v >= b.maximum)
                return box + "holds a length too large for any dial: from " +
                       numeric::toText(b.maximum) + " m on, " + std::string(b.whyShorter) + ".";
            break;
        case Rule::Number: break;
    }
    if (std::fabs(v) >= MaxNumber)
        return box + "holds a number too large for the arithmetic of any dial: it must lie "
                     "between -" + numeric::toText(MaxNumber) + " and " +
               numeric::toText(MaxNumber) + ".";
    if (v != 0 && std::fabs(v) < 1 / MaxNumber)
        return box + "holds a number too small for the arithmetic of any dial: it must be " +
               (b.rule == Rule::Number ? "0 or at least " : "at least ") +
               numeric::toText(1 / MaxNumber) + " in size.";
    return {};
}

// Whether the programme reads the box in this run: it enables the box, and the box's check box,
// if it has one, is ticked. The lines of equal altitude read the definition too, where they are
// drawn.
bool reads(const Context& ctx, std::string_view programme, std::string_view box) {
    if (box == "txt_Definition" && programmeEnables(programme, "ckAlt") && ticked(ctx, "ckAlt"))
        return true;
    const NumberBox* b = numberBox(box);
    return programmeEnables(programme, box) &&
           (!b || b->readWith.empty() || ticked(ctx, b->readWith));
}

}  // namespace

std::string caption(const InputRecord& in, std::string_view control) {
    const NumberBox* b = numberBox(control);
    std::string text = in.text(b ? b->label : control);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string numberRefusal(const InputRecord& in, std::string_view box,
                          std::span<const std::string_view> programmes) {
    const std::string named = "the " + caption(in, box) + " box";
    const numeric::BoxNumber read = numeric::readNumberBox(named, in.text(box));
    if (!read.refusal.empty()) return read.refusal;
    const NumberBox* b = numberBox(box);
    return boxRefusal(b ? *b : kAnyNumber, named, read.value, programmes);
}

std::string valueRefusal(std::string_view named, double v, bool latitude) {
    return boxRefusal(latitude ? kAnyLatitude : kAnyNumber, std::string(named), v, {});
}

std::string inputRefusal(const Context& ctx, std::span<const std::string_view> programmes) {
    for (const NumberBox& b : kNumberBoxes) {
        if (std::none_of(programmes.begin(), programmes.end(),
                         [&](std::string_view p) { return reads(ctx, p, b.box); }))
            continue;
        if (std::string refusal = numberRefusal(ctx.inputs, b.box, programmes); !refusal.empty())
            return refusal;
    }
    return {};
}

bool runReads(const Context& ctx, std::string_view box) {
    for (const ProgrammeMenuItemInfo& item : programmeMenuItems())
        if (ctx.inputs.checked(item.name) && reads(ctx, item.name, box)) return true;
    return false;
}

}  // namespace shell
