#include "shell/run_dispatch.h"

#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "numeric/failure.h"
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
    }
    return "a numerical failure";
}

std::string stoppedMessage(std::string_view reason) {
    return "The drawing was stopped: the inputs lead to " + std::string(reason) +
           ". Please check the inputs.";
}

void call(Context& ctx, const DriverTable::Driver& driver) {
    if (driver) driver(ctx);
}

}  // namespace

bool Command1_Click(Context& ctx, const DriverTable& drivers) {
    InputRecord& in = ctx.inputs;
    Module1& m = ctx.m;
    try {
        in.setEnabled("cmdData", true);
        m.DeclSign = 1;
        m.EastSign = in.number("txtLON") < 0 ? 1 : -1;
        m.HemisphereSign = in.number("txtLAT") >= 0 ? 1 : -1;

        const std::pair<const char*, const DriverTable::Driver*> chain[] = {
            {"M_Light", &drivers.RunLightGraphDial},
            {"M_CILINDRICI", &drivers.RunCylCircular3D},
            {"M_Proiettivo", &drivers.RunProjectiveFormer},
            {"M_Parabolico", &drivers.RunCylParabolic3D},
            {"M_Param", &drivers.RunCylCircularParam},
            {"M_nProiettivo", &drivers.RunProjectiveLatter},
            {"M_Frinter", &drivers.RunVertical2D},
            {"mnuCCs", &drivers.RunCylCircularSpherical},
            {"mnuCircp", &drivers.RunCylCircularProjective},
            {"mnuVertSph", &drivers.RunVerticalSpherical},
            {"mnuUni", &drivers.RunInclinedSpherical},
        };
        for (const auto& [item, driver] : chain) {
            if (in.checked(item)) {
                call(ctx, *driver);
                break;
            }
        }
        if (in.checked("M_Inclinati"))
            call(ctx, in.selected("option3D4") ? drivers.RunInclinedDialVarX
                                                : drivers.RunInclinedDialVarY);
        return true;
    } catch (const numeric::NumericFailure& failure) {
        ctx.services.messageBox(stoppedMessage(describe(failure.kind())));
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
