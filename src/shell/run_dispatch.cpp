#include "shell/run_dispatch.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/failure.h"
#include "numeric/round_budget.h"
#include "shell/helpers.h"
#include "shell/input_check.h"
#include "shell/parametri.h"

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

// The number boxes the programmes of this run (the chain's, the flat 3D one) read are checked
// before anything is drawn; the first refusal, or "".
std::string runRefusal(const Context& ctx, const ChainEntry* chained, bool inclined) {
    std::vector<std::string_view> programmes;
    if (chained) programmes.push_back(chained->item);
    if (inclined) programmes.push_back("M_Inclinati");
    const std::string why = inputRefusal(ctx, programmes);
    return why.empty() ? why : "The drawing was not started: " + why + " Please check the inputs.";
}

// How many primitives and texts the plot has recorded.
std::size_t recordCount(const plot::PlotSurface& plot) {
    return plot.displayList().DrawOrder.size() + plot.displayList().texts.size();
}

constexpr const char* kTooManyPoints =
    "The drawing was stopped: the inputs ask for more points than any drawing needs, so the "
    "drawing is incomplete. A larger Definition, a smaller Hour fraction "
    "or a smaller dial draws fewer. Please check the inputs.";

// Run without its enabling of Data.
bool checkAndRun(Context& ctx, const DriverTable& drivers) {
    InputRecord& in = ctx.inputs;
    Module1& m = ctx.m;
    // Every loop of the run pays its rounds from this budget; one it cannot pay stops the run.
    numeric::RoundBudget budget(RunRoundBudget);
    try {
        const ChainEntry* chained = firstChecked(in);
        const bool inclined = in.checked("M_Inclinati");
        if (const std::string refusal = runRefusal(ctx, chained, inclined); !refusal.empty()) {
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
