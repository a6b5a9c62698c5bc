#include "shell/run_dispatch.h"

#include <cmath>
#include <exception>
#include <string>
#include <string_view>

#include "numeric/failure.h"
#include "numeric/format.h"
#include "numeric/parse.h"
#include "numeric/round_budget.h"
#include "shell/helpers.h"
#include "shell/parametri.h"
#include "shell/programme_menu.h"

namespace shell {

namespace {

std::string_view describe(numeric::FailureKind kind) {
    using numeric::FailureKind;
    switch (kind) {
        case FailureKind::DivisionByZero: return "a division by zero";
        case FailureKind::NegativeSqrt: return "the square root of a negative number";
        case FailureKind::NonPositiveLog: return "the logarithm of a number not above zero";
        case FailureKind::OutOfDomain: return "an arc sine or arc cosine of a number beyond 1";
        case FailureKind::Overflow: return "a number too large";
        case FailureKind::ConversionOverflow: return "a number too large to convert";
        case FailureKind::InvalidStep: return "a drawing step that is zero or not a number";
        case FailureKind::NotANumber: return "a value that is not a number";
        case FailureKind::TooManyRounds: return "more points than any drawing needs";
    }
    return "a numerical failure";
}

std::string stoppedMessage(std::string_view reason) {
    return "The drawing was stopped: the inputs lead to " + std::string(reason) +
           ". Please check the inputs.";
}

// Run's programmes in the order it tests their check marks; the flat 3D programme
// (M_Inclinati) is called after them, by its free variable.
struct ChainEntry {
    std::string_view item;
    DriverTable::Driver DriverTable::*driver;
};
constexpr ChainEntry kChain[] = {
    {"M_Light", &DriverTable::RunLightGraphDial},
    {"M_CILINDRICI", &DriverTable::RunCylCircular3D},
    {"M_Proiettivo", &DriverTable::RunProjectiveFormer},
    {"M_Parabolico", &DriverTable::RunCylParabolic3D},
    {"M_Param", &DriverTable::RunCylCircularParam},
    {"M_nProiettivo", &DriverTable::RunProjectiveLatter},
    {"M_Frinter", &DriverTable::RunVertical2D},
    {"mnuCCs", &DriverTable::RunCylCircularSpherical},
    {"mnuCircp", &DriverTable::RunCylCircularProjective},
    {"mnuVertSph", &DriverTable::RunVerticalSpherical},
    {"mnuUni", &DriverTable::RunInclinedSpherical},
};

void call(Context& ctx, const DriverTable::Driver& driver) {
    if (driver) driver(ctx);
}

// The first checked programme of the chain, if any.
const ChainEntry* firstChecked(const InputRecord& in) {
    for (const ChainEntry& entry : kChain)
        if (in.checked(entry.item)) return &entry;
    return nullptr;
}

std::string notStarted(std::string_view reason) {
    return "The drawing was not started: " + std::string(reason) + " Please check the inputs.";
}

// A box's caption as the main window shows it, without its trailing blanks.
std::string caption(const InputRecord& in, std::string_view label) {
    std::string text = in.text(label);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// How a number box is checked.
enum class Rule { Number, Latitude, PlaceLatitude, HourFraction, Definition, Length };

// The number boxes of the main window in the panel's order, each with the control whose caption
// names it and its rule; a length also says why it must be above 0 and why below MaxLength.
struct NumberBox {
    std::string_view box, label;
    Rule rule;
    std::string_view whyAboveZero = {}, whyShorter = {};
};
constexpr NumberBox kNumberBoxes[] = {
    {"txtLAT", "lblLatitudine", Rule::Latitude},
    {"txtDecl", "lblDeclinazione", Rule::Number},
    {"txtLON", "lblLongitudine", Rule::Number},
    {"txtStilo", "p_Stilo", Rule::Length,
     "a style of no length, or one standing behind the dial, casts no shadow on it",
     "the sun's disc blurs the shadows of a style that long wider than any plot area"},
    {"txtlineofdeclination", "ckLineoptional", Rule::Number},
    {"TxtFuso", "lblFuso", Rule::Number},
    {"TxtHour", "LblHour", Rule::HourFraction},
    {"txtReclinZ", "lblInclinazione", Rule::Number},
    {"txtRadius", "lblradius", Rule::Length, "there is no cylinder without one",
     "a cylinder that wide is flat across any plot area, a wall for a flat dial's programme"},
    {"txt_Definition", "lbl_Definizione", Rule::Definition},
    {"txtNumberSize", "ckRomani", Rule::Number},
    {"txtQLat", "lblQLat", Rule::PlaceLatitude},
    {"txtQLong", "lblQlong", Rule::Number},
    {"TxtZodiacSize", "ckZodiaco", Rule::Number},
};

// Why the value of a box cannot be drawn, or "" when it can. Each input a run cannot draw is
// refused in one way, naming its box, whichever programme was chosen:
// - an hour fraction or a definition finer than any drawing can show would only make the run
//   take hours and all the memory there is; one of 0 (an empty box, a text, "0,5" too) gives no
//   step at all, and a negative one draws nothing;
// - a style of no length, or one standing behind the dial, casts no shadow on the dial, nor is
//   there a cylinder of a radius (or a parabola of a radius of curvature) of 0 or below; one
//   of MaxLength or more can be shown on no plot area;
// - a number of MaxNumber or more in size is beyond the dial's arithmetic, and so is one other
//   than 0 below its reciprocal: the programmes divide by their sines and by the lengths.
std::string boxRefusal(const NumberBox& b, const std::string& caption, double v) {
    const std::string box = "the " + caption + " box ";
    switch (b.rule) {
        case Rule::Latitude:
            if (v != 0 && std::fabs(v) < MinLatitude)
                return box + "holds a latitude nearer the equator than any dial can tell apart "
                             "from it: type 0 for the equator itself, or a latitude of at least "
                             "0.00001 in size.";
            [[fallthrough]];
        case Rule::PlaceLatitude:
            if (std::fabs(v) > 90)
                return box + "must hold a latitude between -90 and 90: no place on Earth lies "
                             "beyond.";
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
            if (v >= MaxLength)
                return box + "holds a length too large for any dial: from " +
                       numeric::toText(MaxLength) + " m on, " + std::string(b.whyShorter) + ".";
            break;
        case Rule::Number: break;
    }
    const double size = std::fabs(v);
    const std::string arithmetic = " for the arithmetic of any dial: it must ";
    if (size >= MaxNumber)
        return box + "holds a number too large" + arithmetic + "lie between -" +
               numeric::toText(MaxNumber) + " and " + numeric::toText(MaxNumber) + ".";
    if (size > 0 && size < 1 / MaxNumber)
        return box + "holds a number too small" + arithmetic +
               (b.rule == Rule::Number ? "be 0 or at least " : "be at least ") +
               numeric::toText(1 / MaxNumber) + " in size.";
    return {};
}

// The refusal of a text that is not a number, quoting what the box holds (cut short when long).
std::string textRefusal(const std::string& caption, std::string_view text) {
    constexpr std::size_t kQuoted = 24;
    std::string shown(text.substr(text.find_first_not_of(" \t\r\n")));
    shown.erase(shown.find_last_not_of(" \t\r\n") + 1);
    if (shown.size() > kQuoted) shown = shown.substr(0, kQuoted) + "...";
    return "the " + caption + " box holds \"" + shown +
           "\", which is not a number: write the number alone, with a point for decimals (as in "
           "0.5).";
}

// The number boxes a programme of this run (the chain's, the flat 3D one) reads are checked
// before anything is drawn; the first refusal, or "".
std::string inputRefusal(const Context& ctx, const ChainEntry* chained, bool inclined) {
    const InputRecord& in = ctx.inputs;
    for (const NumberBox& b : kNumberBoxes) {
        // The lines of equal altitude read the definition too, where they are drawn.
        auto readBy = [&](std::string_view item) {
            return programmeEnables(item, b.box) ||
                   (b.box == "txt_Definition" && programmeEnables(item, "ckAlt") &&
                    ticked(ctx, "ckAlt"));
        };
        if (!(chained && readBy(chained->item)) && !(inclined && readBy("M_Inclinati"))) continue;
        const std::string& text = in.text(b.box);
        const std::string refusal =
            numeric::isWholeNumber(text)
                ? boxRefusal(b, caption(in, b.label), numeric::parseNumberOrInfinity(text))
                : textRefusal(caption(in, b.label), text);
        if (!refusal.empty()) return notStarted(refusal);
    }
    return {};
}

// How many primitives and texts the plot has recorded.
std::size_t recordCount(const plot::PlotSurface& plot) {
    return plot.displayList().DrawOrder.size() + plot.displayList().texts.size();
}

constexpr const char* kTooManyPoints =
    "The drawing was stopped: the inputs ask for more points than any drawing needs, so the "
    "drawing is incomplete. A larger Definition, a smaller Hour fraction "
    "or a smaller dial draws fewer. Please check the inputs.";

}  // namespace

namespace {

// Run without its enabling of Data.
bool checkAndRun(Context& ctx, const DriverTable& drivers) {
    InputRecord& in = ctx.inputs;
    Module1& m = ctx.m;
    // Every loop of the run pays its rounds from this budget; one it cannot pay stops the run.
    numeric::RoundBudget budget(RunRoundBudget);
    try {
        const ChainEntry* chained = firstChecked(in);
        const bool inclined = in.checked("M_Inclinati");
        if (const std::string refusal = inputRefusal(ctx, chained, inclined); !refusal.empty()) {
            ctx.services.messageBox(refusal);
            return false;
        }
        m.DeclSign = 1;
        m.EastSign = in.number("txtLON") < 0 ? 1 : -1;
        m.HemisphereSign = in.number("txtLAT") >= 0 ? 1 : -1;
        if (chained) call(ctx, drivers.*(chained->driver));
        if (inclined)
            call(ctx, in.selected("option3D4") ? drivers.RunInclinedDialVarX
                                                : drivers.RunInclinedDialVarY);
        // A loop refused for its rounds inside a procedure that skips failing statements
        // stops nothing by itself; the run is reported as stopped all the same.
        if (!budget.refused()) return true;
        ctx.services.messageBox(kTooManyPoints);
    } catch (const numeric::NumericFailure& failure) {
        const bool tooLarge =
            budget.refused() || failure.kind() == numeric::FailureKind::TooManyRounds;
        ctx.services.messageBox(tooLarge ? std::string(kTooManyPoints)
                                         : stoppedMessage(describe(failure.kind())));
    } catch (const std::exception& error) {
        ctx.services.messageBox(std::string("The drawing was stopped by an unexpected error: ") +
                                error.what());
    }
    return false;
}

}  // namespace

bool Command1_Click(Context& ctx, const DriverTable& drivers) {
    // Data lists the drawing of the last Run: none when the Run recorded nothing.
    const std::size_t before = recordCount(ctx.ixPlot1());
    const bool completed = checkAndRun(ctx, drivers);
    ctx.inputs.setEnabled("cmdData", recordCount(ctx.ixPlot1()) != before);
    return completed;
}

void Command2_Click(Context& ctx, const std::function<void()>& recreatePlotWindow) {
    if (recreatePlotWindow) recreatePlotWindow();
    ctx.ixPlot1().Messaggio("");
}

void cmdSave_Click(Context& ctx) { SaveInputs(ctx); }

}  // namespace shell
