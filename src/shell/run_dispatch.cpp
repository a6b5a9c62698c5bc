#include "shell/run_dispatch.h"

#include <cmath>
#include <exception>
#include <string>
#include <string_view>

#include "numeric/failure.h"
#include "numeric/format.h"
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

// The boxes every programme reads are checked before anything is drawn, so that each input a
// run cannot draw is refused in one way, naming its box, whichever programme was chosen:
// - an hour fraction or a definition finer than any drawing can show would only make the run
//   take hours and all the memory there is, and a negative one draws nothing. Every programme
//   reads the hour fraction; the definition is checked where a programme of this run (the
//   chain's, the flat 3D one), or the lines of equal altitude it draws when ticked, reads it.
//   A box left at 0 (or empty) is the programmes' concern: they stop on it with a message;
// - a style of no length, or one standing behind the dial, casts no shadow on the dial; every
//   programme reads it. Nor is there a cylinder of a radius (or a parabola of a radius of
//   curvature) of 0 or below;
// - a length so large that the dial's arithmetic would overflow on it.
// Returns the refusal, or "".
std::string inputRefusal(const Context& ctx, const ChainEntry* chained, bool inclined) {
    if (chained == nullptr && !inclined) return {};
    const InputRecord& in = ctx.inputs;

    const double hours = in.number("TxtHour");
    if (std::fabs(hours) > MaxHourFraction)
        return notStarted("the Hour fraction box may be at most " +
                          numeric::toText(MaxHourFraction) +
                          ", a line every minute; finer lines cannot be told apart on any dial.");
    if (hours < 0)
        return notStarted(
            "the Hour fraction box may not be below 0: 1 draws the hours, 2 the halves, 4 the "
            "quarters.");
    auto readsDefinition = [&](std::string_view item) {
        return programmeEnables(item, "txt_Definition") ||
               (programmeEnables(item, "ckAlt") && ticked(ctx, "ckAlt"));
    };
    const bool definitionRead = (chained && readsDefinition(chained->item)) ||
                                (inclined && readsDefinition("M_Inclinati"));
    const double definition = in.number("txt_Definition");
    if (definitionRead && definition != 0 && definition < MinDefinition)
        return notStarted("the Definition box may not be below " + numeric::toText(MinDefinition) +
                          (definition < 0
                               ? "; a negative step draws no line at all."
                               : "; a finer step draws more points than any drawing can show."));

    const double style = in.number("txtStilo");
    if (!(style > 0))
        return notStarted("the Perpendicular style box must hold a length above 0: a style of "
                          "no length, or one standing behind the dial, casts no shadow on it.");
    const bool radiusRead = chained && programmeEnables(chained->item, "txtRadius");
    const double radius = in.number("txtRadius");
    if (radiusRead && !(radius > 0))
        return notStarted("the " + caption(in, "lblradius") +
                          " box must hold a length above 0: there is no cylinder without one.");
    auto tooLarge = [](const std::string& box) {
        return notStarted("the " + box + " box holds a length beyond any dial: the inputs lead to " +
                          std::string(describe(numeric::FailureKind::Overflow)) + ".");
    };
    if (!(style < MaxLength)) return tooLarge("Perpendicular style");
    if (radiusRead && !(radius < MaxLength)) return tooLarge(caption(in, "lblradius"));
    return {};
}

constexpr const char* kTooManyPoints =
    "The drawing was stopped: the inputs ask for more points than any drawing needs, so the "
    "drawing is incomplete. A larger Definition, a smaller Hour fraction "
    "or a smaller dial draws fewer. Please check the inputs.";

}  // namespace

bool Command1_Click(Context& ctx, const DriverTable& drivers) {
    InputRecord& in = ctx.inputs;
    Module1& m = ctx.m;
    // Every loop of the run pays its rounds from this budget; one it cannot pay stops the run.
    numeric::RoundBudget budget(RunRoundBudget);
    try {
        in.setEnabled("cmdData", true);
        m.DeclSign = 1;
        m.EastSign = in.number("txtLON") < 0 ? 1 : -1;
        m.HemisphereSign = in.number("txtLAT") >= 0 ? 1 : -1;

        const ChainEntry* chained = firstChecked(in);
        const bool inclined = in.checked("M_Inclinati");
        if (const std::string refusal = inputRefusal(ctx, chained, inclined); !refusal.empty()) {
            ctx.services.messageBox(refusal);
            return false;
        }
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

void Command2_Click(Context& ctx, const std::function<void()>& recreatePlotWindow) {
    if (recreatePlotWindow) recreatePlotWindow();
    ctx.ixPlot1().Messaggio("");
}

void cmdSave_Click(Context& ctx) { SaveInputs(ctx); }

}  // namespace shell
