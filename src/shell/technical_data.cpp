#include "shell/technical_data.h"

#include <string>
#include <string_view>

#include "numeric/failure.h"
#include "shell/input_check.h"
#include "shell/programme_menu.h"
#include "shell/technical_data_list.h"

namespace shell {

namespace {

// The boxes the list reads; the reclination box only where the checked programme uses it.
constexpr std::string_view kBoxesRead[] = {"txtLAT", "txtLON", "txtDecl", "txtReclinZ",
                                           "txtStilo", "TxtFuso", "txtlineofdeclination"};

// Why the list cannot use what a box it reads holds, or "" when it can: what Run would refuse
// in that box for the checked programme (a text that is no number, a latitude beyond the pole,
// a style of no length, a number beyond the arithmetic of any dial). A box may have been changed
// since the run: the list reads what it holds now, and refuses it, naming it, before any line is
// written.
std::string unusableBox(const InputRecord& in) {
    const std::string_view programme[] = {currentProgramme(in)};
    for (std::string_view box : kBoxesRead) {
        if (box == "txtReclinZ" && !in.enabled(box)) continue;
        if (std::string why = numberRefusal(in, box, programme); !why.empty())
            return "The technical data were not listed: " + why + " Please check the inputs.";
    }
    return {};
}

constexpr const char* kListStopped =
    "The list of technical data stops where it is: the inputs lead to a value it cannot "
    "compute. Please check the inputs, and run the programme again before asking for the data.";

}  // namespace

// The list is written line by line in a fixed order. A box whose number the list cannot use
// is named before any line is written; a numerical failure in one of its formulas ends the list
// at that line, with a message: what was written stays on the surface, and the application goes
// on.
void cmdData_Click(Context& ctx) {
    if (const std::string refusal = unusableBox(ctx.inputs); !refusal.empty()) {
        ctx.services.messageBox(refusal);
        return;
    }
    try {
        technical_data::DataList list(ctx);
        technical_data::prepare(list);
        technical_data::writePlaceAndStyle(list);
        if (list.styleProgramme()) technical_data::writeEquivalentVertical(list);
        technical_data::writeSun(list);
    } catch (const numeric::NumericFailure&) {
        ctx.services.messageBox(kListStopped);
    }
}

}  // namespace shell
